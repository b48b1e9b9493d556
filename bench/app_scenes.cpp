// One frame of each scene through the recording device: the game walked there on the null
// platform with its own content, then frames timed while the scene stands.
#include "app/GameProgress.h"
#include "app/SceneWalkKit.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <functional>

namespace {

bool ContentBuilt() {
    return std::filesystem::exists(std::string(TOVAN_GAME_DIR) + "/Levels/Level1-01.zel");
}

// Walks a new game to the scene with `reach`, then times single frames of it; a scene that ends
// while its frames are timed spoils the figure, and says so.
void TimeScene(benchmark::State& state, const std::function<bool(TSceneWalk&)>& reach) {
    if (!ContentBuilt()) {
        state.SkipWithError("no built game content beside the game");
        return;
    }
    TSceneWalk walk("bench-scenes");
    if (!reach(walk)) {
        state.SkipWithError("the scene could not be reached");
        return;
    }
    const TGameSceneValues timed = walk.Scene();
    for (auto _ : state) walk.Form->OmegaTimer1Timer();
    if (walk.Scene() != timed) state.SkipWithError("the scene ended while its frames were timed");
}

bool ReachMenu(TSceneWalk& walk) {
    return walk.ReachMenuAsNewPlayer();
}

void BM_Splash(benchmark::State& state) {
    TimeScene(state, [](TSceneWalk& walk) { return walk.ReachReadySplash(); });
}
void BM_AddInitialPlayer(benchmark::State& state) {
    TimeScene(state, [](TSceneWalk& walk) {
        if (!walk.ReachReadySplash()) return false;
        walk.Click({683, 400});
        return walk.RunUntil(gsAddInitialPlayer);
    });
}
void BM_Menu(benchmark::State& state) {
    TimeScene(state, ReachMenu);
}
void BM_PlayerSelect(benchmark::State& state) {
    TimeScene(state, [](TSceneWalk& walk) {
        if (!ReachMenu(walk)) return false;
        walk.Click(walk.Form->Menu().ChangePlayerLink());
        return walk.RunUntil(gsPlayerSelect);
    });
}
void BM_ConfirmWindow(benchmark::State& state) {
    TimeScene(state, [](TSceneWalk& walk) {
        if (!ReachMenu(walk)) return false;
        walk.Click(walk.Form->Menu().ExitButton());
        return walk.RunUntil(gsConfirmWindow);
    });
}

bool ReachMenuAndClick(TSceneWalk& walk, const TGameButton& (TMenuScene::*button)() const,
                       TGameSceneValues scene) {
    if (!ReachMenu(walk)) return false;
    walk.Click((walk.Form->Menu().*button)());
    return walk.RunUntil(scene);
}
void BM_Options(benchmark::State& state) {
    TimeScene(state, [](TSceneWalk& walk) {
        return ReachMenuAndClick(walk, &TMenuScene::OptionsButton, gsOptions);
    });
}
void BM_HighScores(benchmark::State& state) {
    TimeScene(state, [](TSceneWalk& walk) {
        return ReachMenuAndClick(walk, &TMenuScene::HighScoresButton, gsHighScores);
    });
}
void BM_Help(benchmark::State& state) {
    TimeScene(state, [](TSceneWalk& walk) {
        return ReachMenuAndClick(walk, &TMenuScene::HelpButton, gsHelp);
    });
}
bool ReachMap(TSceneWalk& walk) {
    if (!ReachMenuAndClick(walk, &TMenuScene::PlayButton, gsConfirmWindow)) return false;
    walk.Click(walk.Form->Confirm().Window().PositiveButton());
    return walk.PastOpeningStory(gsMap);
}
bool ReachRoundFromMap(TSceneWalk& walk) {
    walk.Click(walk.Form->Map().PlayButton());
    if (!walk.RunUntil(gsObjectiveInfo)) return false;
    walk.Click({683, 400});
    return walk.RunUntil(gsMainGame);
}
bool ReachRound(TSceneWalk& walk) {
    return ReachMap(walk) && ReachRoundFromMap(walk);
}
void BM_Map(benchmark::State& state) {
    TimeScene(state, ReachMap);
}
void BM_MainGame(benchmark::State& state) {
    TimeScene(state, ReachRound);
}
void BM_InGameMenu(benchmark::State& state) {
    TimeScene(state, [](TSceneWalk& walk) {
        if (!ReachRound(walk)) return false;
        walk.PressEscape();
        return walk.RunUntil(gsInGameMenu);
    });
}

// A developer's first round won at once with F2, up to its results.
bool ReachResultsAfterWin(TSceneWalk& walk) {
    if (!walk.ReachMenuAsNewPlayer("ANNA", true)) return false;
    walk.Click(walk.Form->Menu().PlayButton());
    if (!walk.RunUntil(gsConfirmWindow)) return false;
    walk.Click(walk.Form->Confirm().Window().PositiveButton());
    if (!walk.PastOpeningStory(gsMap) || !ReachRoundFromMap(walk)) return false;
    walk.PressKey(TKey::F2);
    return walk.RunUntil(gsStageResult);
}

// The results window at rest over the won board, its numbers counting; fewer frames than its
// 15 seconds, or its own time would take it away.
void BM_StageResult(benchmark::State& state) {
    TimeScene(state, ReachResultsAfterWin);
}

// The results, then the book with its conversation skipped.
bool ReachBookAfterWin(TSceneWalk& walk) {
    if (!ReachResultsAfterWin(walk)) return false;
    walk.Click(walk.Form->StageResult().OkButton());
    if (!walk.RunUntil(gsStickerBook)) return false;
    walk.Click(walk.Form->StickerBook().Conversation().SkipButton());
    return true;
}

// The finished haven: every work's sticker and the zeppelin shown, every walker walking.
void BM_StickerBookFull(benchmark::State& state) {
    TimeScene(state, [](TSceneWalk& walk) {
        if (!ReachBookAfterWin(walk)) return false;
        TStickerBookObjects& book = walk.Form->Progress().StickerBook;
        for (int island = 1; island <= 5; ++island)
            for (int slot = 1; slot <= 4; ++slot) book.Reveal(StickerOfSlot(island, slot));
        book.Reveal(ciZeppelin);
        book.UpdateStage();
        walk.Ticks(300);
        const TBuildingCitizens& citizens = walk.Form->StickerBook().Citizens();
        for (size_t i = 0; i < citizens.Count(); ++i)
            if (!citizens.InPicture(i)) return false;
        return true;
    });
}

// Ticks until the sky shows what is wanted; a minute of play at most.
bool TickUntil(TSceneWalk& walk, const std::function<bool()>& shown) {
    constexpr int MinuteOfTicks = 2000;
    for (int tick = 0; tick < MinuteOfTicks && !shown(); ++tick) walk.Tick();
    return shown();
}

// The map with its sky at its busiest: a rain spell falling and a gull crossing, beside the
// swaying flowers and the butterflies.
void BM_MapSkyBusy(benchmark::State& state) {
    TimeScene(state, [](TSceneWalk& walk) {
        if (!ReachMap(walk)) return false;
        const TAmbientDecorations& sky = walk.Form->Map().Decorations();
        return TickUntil(walk, [&] { return sky.Raining() && sky.BirdFlying(); });
    });
}

// The book just after its island's last work is bought: the work's burst and the fireworks at
// their busiest, several rockets' sparks in the air.
void BM_StickerBookFireworks(benchmark::State& state) {
    constexpr int BusyParticles = 100;
    TimeScene(state, [](TSceneWalk& walk) {
        if (!ReachBookAfterWin(walk)) return false;
        walk.Ticks(2 * TSceneWalk::SettleTicks); // the panels in
        for (int slot = 1; slot <= 3; ++slot) {
            walk.Click(walk.Form->Progress().BuySlots.BuyButton(slot));
            walk.SkipBookConversation();
        }
        walk.Click(walk.Form->Progress().BuySlots.BuyButton(4));
        const TCelebration& celebration = walk.Form->StickerBook().Celebration();
        return TickUntil(walk, [&] { return celebration.ActiveCount() >= BusyParticles; }) &&
               celebration.FireworksRunning();
    });
}

// The book after a won round with its sky busy: the gull crossing over the dust motes and the
// butterflies.
void BM_StickerBookSkyBusy(benchmark::State& state) {
    TimeScene(state, [](TSceneWalk& walk) {
        if (!ReachBookAfterWin(walk)) return false;
        const TAmbientDecorations& sky = walk.Form->StickerBook().Decorations();
        return TickUntil(walk, [&] { return sky.BirdFlying(); });
    });
}

// A conversation over the haven book in its first balloons: portraits, balloon, typing text.
void BM_ChapterDialog(benchmark::State& state) {
    TimeScene(state, [](TSceneWalk& walk) {
        if (!ReachMenu(walk)) return false;
        walk.Form->SetScene(gsStickerBook);
        walk.Ticks(60);
        return walk.Form->StickerBook().Conversation().Running();
    });
}

// The first logo card, before the click that skips the cards.
void BM_CompanyLogos(benchmark::State& state) {
    TimeScene(state, [](TSceneWalk& walk) { return walk.Scene() == gsCompanyLogos; });
}
void BM_AddPlayer(benchmark::State& state) {
    TimeScene(state, [](TSceneWalk& walk) {
        if (!ReachMenu(walk)) return false;
        walk.Click(walk.Form->Menu().ChangePlayerLink());
        if (!walk.RunUntil(gsPlayerSelect)) return false;
        walk.Click(walk.Form->PlayerSelect().NewButton());
        return walk.RunUntil(gsAddPlayer);
    });
}
// The credits scroll over the options they came from.
void BM_Credits(benchmark::State& state) {
    TimeScene(state, [](TSceneWalk& walk) {
        if (!ReachMenuAndClick(walk, &TMenuScene::OptionsButton, gsOptions)) return false;
        walk.Click(walk.Form->Options().CreditsButton());
        return walk.RunUntil(gsCredits);
    });
}
void BM_Extras(benchmark::State& state) {
    TimeScene(state, [](TSceneWalk& walk) {
        if (!ReachMenuAndClick(walk, &TMenuScene::HelpButton, gsHelp)) return false;
        walk.Click(walk.Form->Help().ExtrasLinkCentre());
        return walk.RunUntil(gsExtras);
    });
}
// The objective panel over the board being filled, before it goes by itself.
void BM_ObjectiveInfo(benchmark::State& state) {
    TimeScene(state, [](TSceneWalk& walk) {
        if (!ReachMap(walk)) return false;
        walk.Click(walk.Form->Map().PlayButton());
        return walk.RunUntil(gsObjectiveInfo);
    });
}
void BM_InGameOptions(benchmark::State& state) {
    TimeScene(state, [](TSceneWalk& walk) {
        if (!ReachRound(walk)) return false;
        walk.PressEscape();
        if (!walk.RunUntil(gsInGameMenu)) return false;
        walk.Click(walk.Form->InGameMenu().OptionsButton());
        return walk.RunUntil(gsInGameOptions);
    });
}
// The won board thrown away before the results come: its first frames only.
void BM_RoundClear(benchmark::State& state) {
    TimeScene(state, [](TSceneWalk& walk) {
        if (!walk.ReachBuiltRound(1)) return false;
        walk.PressKey(TKey::F2);
        return walk.Scene() == gsRoundClear;
    });
}
// The tube run dry, before its question comes.
void BM_TimeUp(benchmark::State& state) {
    TimeScene(state, [](TSceneWalk& walk) {
        if (!ReachRound(walk)) return false;
        walk.Form->MainGame().TimeUp();
        return walk.Scene() == gsTimeUp;
    });
}
// Mirela's first step over level 1-01, its text typing.
void BM_Tutorial(benchmark::State& state) {
    TimeScene(state, [](TSceneWalk& walk) {
        walk.Taught = true;
        if (!ReachMap(walk)) return false;
        walk.Click(walk.Form->Map().PlayButton());
        if (!walk.RunUntil(gsObjectiveInfo)) return false;
        walk.Form->MainGame().ObjectiveInfo.Skip();
        return walk.RunUntil(gsTutorial);
    });
}
// The first tool tip, which comes with the eighth match of level 1-01.
void BM_TutorialToolTip(benchmark::State& state) {
    TimeScene(state, [](TSceneWalk& walk) {
        walk.Taught = true;
        if (!ReachMap(walk)) return false;
        walk.Click(walk.Form->Map().PlayButton());
        if (!walk.RunUntil(gsObjectiveInfo)) return false;
        walk.Form->MainGame().ObjectiveInfo.Skip();
        if (!walk.RunUntil(gsTutorial)) return false;
        walk.Click(walk.Form->Tutorial().OkButton());
        if (!walk.RunUntil(gsMainGame)) return false;
        constexpr int MatchesBeforeTheTip = 8;
        for (int match = 0; match < MatchesBeforeTheTip; ++match)
            walk.Form->MainGame().GameBoard.OnManualMatch();
        return walk.RunUntil(gsTutorialToolTip);
    });
}
// The opening's first strip with its narration.
void BM_OpeningStory(benchmark::State& state) {
    TimeScene(state, [](TSceneWalk& walk) {
        if (!ReachMenuAndClick(walk, &TMenuScene::PlayButton, gsConfirmWindow)) return false;
        walk.Click(walk.Form->Confirm().Window().PositiveButton());
        return walk.RunUntil(gsOpeningStory);
    });
}
void BM_EndingStory(benchmark::State& state) {
    TimeScene(state, [](TSceneWalk& walk) {
        if (!ReachMenu(walk)) return false;
        walk.Form->SetScene(gsEndingStory);
        return walk.RunUntil(gsEndingStory);
    });
}

} // namespace

BENCHMARK(BM_Splash);
BENCHMARK(BM_AddInitialPlayer);
BENCHMARK(BM_Menu);
BENCHMARK(BM_PlayerSelect);
BENCHMARK(BM_ConfirmWindow);
BENCHMARK(BM_Options);
BENCHMARK(BM_HighScores);
BENCHMARK(BM_Help);
BENCHMARK(BM_Map);
BENCHMARK(BM_MainGame);
BENCHMARK(BM_InGameMenu);
BENCHMARK(BM_StageResult)->Iterations(300);
BENCHMARK(BM_StickerBookFull);
BENCHMARK(BM_MapSkyBusy);
BENCHMARK(BM_StickerBookSkyBusy);
// The fireworks last about 150 frames: the timed ones stay inside them.
BENCHMARK(BM_StickerBookFireworks)->Iterations(40);
// The first conversation lasts about 600 frames: all of them stay inside it.
BENCHMARK(BM_ChapterDialog)->Iterations(400);
// Scenes that end by themselves are timed over their first frames: the logos change card every
// 60 frames, the objective and the round clear last a few seconds, the story strips 220 frames.
BENCHMARK(BM_CompanyLogos)->Iterations(30);
BENCHMARK(BM_AddPlayer);
BENCHMARK(BM_Credits);
BENCHMARK(BM_Extras);
BENCHMARK(BM_ObjectiveInfo)->Iterations(60);
BENCHMARK(BM_InGameOptions);
BENCHMARK(BM_RoundClear)->Iterations(20);
BENCHMARK(BM_TimeUp)->Iterations(40);
BENCHMARK(BM_Tutorial);
BENCHMARK(BM_TutorialToolTip);
BENCHMARK(BM_OpeningStory)->Iterations(150);
BENCHMARK(BM_EndingStory)->Iterations(150);
