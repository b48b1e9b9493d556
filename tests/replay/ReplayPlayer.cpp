#include "ReplayPlayer.h"

#include "LevelSource.h"
#include "ReplayChecksum.h"
#include "TempFolder.h"
#include "app/NullPlatform.h"
#include "app/scenes/StageResultScene.h"
#include "engine/GameGlobals.h"
#include "platform/AudioRecordingDevice.h"
#include "platform/RecordingGraphicsDevice.h"

#include <array>
#include <filesystem>
#include <memory>
#include <optional>

namespace {

// A loop pass a little over one tick after the last one fires exactly one tick.
constexpr double PassMs = GameTickMs + 1;

TPlatformEvent KeyPressOf(char character) {
    TPlatformEvent event;
    event.Kind = TEventKind::KeyPress;
    event.Char = static_cast<uint8_t>(character);
    return event;
}

// A key as the window system sends it: the key, then its character where it has one.
std::vector<TPlatformEvent> KeyEventsOf(const std::string& name) {
    std::vector<TPlatformEvent> events;
    for (const TReplayKey& key : ReplayKeys) {
        if (name != key.Name) continue;
        TPlatformEvent down;
        down.Kind = TEventKind::KeyDown;
        down.Key = key.Key;
        events.push_back(down);
        if (key.Character != 0) events.push_back(KeyPressOf(key.Character));
    }
    return events;
}

std::vector<TPlatformEvent> EventsOf(const TReplayInput& input) {
    static constexpr TEventKind MouseKinds[] = {TEventKind::MouseDown, TEventKind::MouseMove,
                                                TEventKind::MouseUp};
    TPlatformEvent event;
    switch (input.Kind) {
    case TReplayMouse::Type: {
        std::vector<TPlatformEvent> typed;
        for (const char character : input.Text) typed.push_back(KeyPressOf(character));
        return typed;
    }
    case TReplayMouse::Key:
        return KeyEventsOf(input.Text);
    case TReplayMouse::Close:
        event.Kind = TEventKind::CloseRequested;
        return {event};
    default:
        event.Kind = MouseKinds[static_cast<int>(input.Kind)];
        event.X = input.X;
        event.Y = input.Y;
        event.Button = mbLeft;
        return {event};
    }
}

// Wraps a handler the controller wired: the watcher runs first, then the controller's own.
template <typename... Args>
void Watch(std::function<void(Args...)>& handler, std::function<void()> watcher) {
    handler = [next = handler, watcher = std::move(watcher)](Args... args) {
        watcher();
        if (next) next(args...);
    };
}

// A game folder whose first level is a level source of the fixtures: the game's content is
// linked in, the level compiled beside it.
class TFixtureLevelFolder {
public:
    TFixtureLevelFolder() : folder("replay-level") {}

    // Returns what went wrong, or an empty string.
    std::string Prepare(const TReplayContent& content, const TReplay& replay) {
        const std::string linkError = LinkContent(content.GameFolder);
        return linkError.empty() ? CompileLevel(content.LevelSourceFolder, replay) : linkError;
    }
    std::string Path() const { return folder.Path(); }

private:
    // Everything of the game folder but its levels.
    std::string LinkContent(const std::string& gameFolder) const {
        namespace fs = std::filesystem;
        std::error_code error;
        for (fs::directory_iterator entry(gameFolder, error);
             !error && entry != fs::directory_iterator(); entry.increment(error)) {
            if (entry->path().filename() == "Levels") continue;
            fs::create_symlink(fs::absolute(entry->path()),
                               fs::path(folder.Path()) / entry->path().filename(), error);
        }
        return error ? "cannot link the game's content: " + error.message() : "";
    }
    std::string CompileLevel(const std::string& sourceFolder, const TReplay& replay) const {
        const std::string& sourceName = replay.LevelSource;
        const std::optional<std::string> text = ReadTextFile(sourceFolder + sourceName);
        if (!text) return SourceMessage(sourceName, 0, "cannot be read");
        TLevelSource source;
        TSourceError fault;
        if (!ParseLevelSource(*text, source, fault))
            return SourceMessage(sourceName, fault.Line, fault.Message);
        const std::vector<std::string> problems = CheckLevelSource(sourceName, source);
        if (!problems.empty()) return problems.front();
        return WriteLevelFile(folder.Path("Levels") +
                                  TLevelParams::LevelFileName(replay.Island, replay.Level),
                              source.Record);
    }

    TTempFolder folder;
};

class TReplayRun {
public:
    TReplayRun(uint64_t seed, const std::string& programFolder) : dataFolder("replay-data") {
        SetRandomSeed(seed);
        TFormPlatform platform = Platform.For(programFolder, "", dataFolder.Path());
        platform.SceneLog = [this](const std::string& line) {
            if (line == "scene: gsMainGame") ++Counters[ReplayCounters::RoundStarts];
            const std::string scene = line.substr(line.find(' ') + 1);
            scenes += scenes.empty() ? scene : " " + scene;
        };
        platform.TestReport = [this](const std::string& line) {
            if (line.starts_with("balloon: ")) ++Counters[ReplayCounters::Balloons];
            if (line == "conversation: ended") ++Counters[ReplayCounters::Conversations];
            if (line.starts_with("tutorial step: ")) ++Counters[ReplayCounters::TutorialSteps];
            if (line.starts_with("tool tip: ")) ++Counters[ReplayCounters::ToolTips];
            if (line == "celebration: burst") ++Counters[ReplayCounters::Celebrations];
            if (line == "celebration: fireworks") ++Counters[ReplayCounters::Fireworks];
        };
        Form = std::make_unique<TFormMain>(platform);
        for (const char* name : {ReplayCounters::Moves,         ReplayCounters::SwapsBack,
                                 ReplayCounters::Groupings,     ReplayCounters::Cascades,
                                 ReplayCounters::Shuffles,      ReplayCounters::RoundStarts,
                                 ReplayCounters::BoardsBuilt,   ReplayCounters::GoldTiles,
                                 ReplayCounters::Reshuffled,    ReplayCounters::Combos,
                                 ReplayCounters::TimeUps,       ReplayCounters::ResultQuestions,
                                 ReplayCounters::BoardsThrown,  ReplayCounters::Balloons,
                                 ReplayCounters::Conversations, ReplayCounters::BossesBeaten,
                                 ReplayCounters::BossDrains,    ReplayCounters::TutorialSteps,
                                 ReplayCounters::ToolTips,      ReplayCounters::Celebrations,
                                 ReplayCounters::Fireworks})
            Counters[name] = 0;
        Counters[ReplayCounters::DoveLandings] = Counters[ReplayCounters::DoveDepartures] = 0;
        WatchRound();
        WatchTools();
    }
    ~TReplayRun() {
        Form.reset();
        ReleaseRandomSeed();
    }
    TReplayRun(const TReplayRun&) = delete;
    TReplayRun& operator=(const TReplayRun&) = delete;

    // Straight into the round: the logos and the splash have replays of their own, and the
    // objective is skipped.
    std::string StartLevel(int island, int level, bool taught) {
        Form->LoadMainPictures();
        if (taught) Form->Player().Current.TutorialOn = 1;
        if (!Form->StartLevel(static_cast<uint8_t>(island), level))
            return "level " + std::to_string(island) + "-" + std::to_string(level) +
                   " did not start";
        Form->MainGame().ObjectiveInfo.Skip();
        return {};
    }

    // The book as a won round opens it, for a player with no works yet, or taught by Mirela, or
    // with every work bought and the finished game's zeppelin in the picture.
    void OpenBook(const TReplay& replay) {
        Form->LoadMainPictures();
        TPlayerSaveRecord& record = Form->Player().Current;
        if (replay.Taught) record.TutorialOn = 1;
        if (replay.Finished) {
            for (auto& island : record.ElementSlots) island.fill(1);
            Form->Progress().LoadFrom(record);
            Form->Progress().StickerBook.Reveal(ciZeppelin);
        }
        Form->SetScene(gsStickerBook);
    }

    void Play(const TReplay& replay, const TReplayWatch& beforeInput) {
        Form->FormShow();
        size_t next = 0;
        for (int tick = 0; tick < replay.Ticks; ++tick) {
            const bool inputDue = next < replay.Inputs.size() && replay.Inputs[next].Tick == tick;
            if (inputDue && beforeInput) beforeInput(tick, *Form);
            for (; next < replay.Inputs.size() && replay.Inputs[next].Tick == tick; ++next)
                for (const TPlatformEvent& event : EventsOf(replay.Inputs[next]))
                    Platform.Events.Push(event);
            if (Form->Closing()) break;
            Platform.Clock.AdvanceMs(PassMs);
            Form->RunLoopPass();
            WatchDove();
        }
    }

    TReplayOutcome Outcome() {
        TReplayOutcome outcome;
        TGatheringCounts remaining{};
        std::string gathering;
        for (int slot = 0; slot < IndividualElementKindCount; ++slot) {
            remaining[slot] = Form->MainGame().ElementGather.Remaining(slot);
            const int* target = Form->MainGame().ElementGather.TargetOf(slot);
            if (target == nullptr || *target == 0) continue;
            if (!gathering.empty()) gathering += ' ';
            gathering += std::string(GatherSlotName(slot)) + ' ' + std::to_string(remaining[slot]);
        }
        outcome.End.Score = Form->MainGame().Score;
        outcome.End.Gathering = gathering;
        outcome.End.Scenes = scenes;
        outcome.End.Checksum = ChecksumText(ReplayChecksum(Form->MainGame().GameBoard.BoardData(),
                                                           Form->MainGame().Score, remaining));
        outcome.Counters = Counters;
        outcome.Counters[ReplayCounters::Frames] = Platform.Device.FramesPresented;
        outcome.Counters[ReplayCounters::RoundsWon] = Form->MainGame().RoundOver ? 1 : 0;
        outcome.Counters[ReplayCounters::Closed] = Form->Closing() ? 1 : 0;
        outcome.Counters[ReplayCounters::SlotsBought] = Form->Progress().BuySlots.BoughtCount();
        return outcome;
    }

private:
    // The results' dove has no events of her own: her flight is read after every pass.
    void WatchDove() {
        const TDoveFlight flight = Form->StageResult().Celebration().Dove();
        if (flight == lastFlight) return;
        if (flight == TDoveFlight::Perched) ++Counters[ReplayCounters::DoveLandings];
        if (flight == TDoveFlight::FlyingOff) ++Counters[ReplayCounters::DoveDepartures];
        lastFlight = flight;
    }

    // A grouping that no stood swap has led to since the last one is a cascade.
    void WatchRound() {
        Watch(Form->MainGame().SwapEffect.OnEffectComplete, [this] {
            ++Counters[ReplayCounters::Moves];
            moveAwaitsLine = true;
        });
        Watch(Form->MainGame().SwapEffect.OnSwapBackComplete,
              [this] { ++Counters[ReplayCounters::SwapsBack]; });
        Watch(Form->MainGame().GameBoard.OnGroupedElementsEffectRequest, [this] {
            ++Counters[ReplayCounters::Groupings];
            if (!moveAwaitsLine) ++Counters[ReplayCounters::Cascades];
            moveAwaitsLine = false;
        });
        Watch(Form->MainGame().GameBoard.OnNoMoreMoves,
              [this] { ++Counters[ReplayCounters::Shuffles]; });
        WatchRoundEffects();
    }

    void WatchRoundEffects() {
        TMainGameScene& round = Form->MainGame();
        const auto count = [this](const char* name) { return [this, name] { ++Counters[name]; }; };
        Watch(round.LockerFiller.OnFinish, count(ReplayCounters::BoardsBuilt));
        Watch(round.LockerFrames.OnLockerFrameEffectRequest, count(ReplayCounters::GoldTiles));
        Watch(round.ShuffleAwayEffect.OnFinished, count(ReplayCounters::Reshuffled));
        Watch(round.Combos.OnAComboDoneShowing, count(ReplayCounters::Combos));
        Watch(round.TubeTimer.OnTimeUp, count(ReplayCounters::TimeUps));
        Watch(round.LostBoardEffect.OnTimeForDialogWindow, count(ReplayCounters::ResultQuestions));
        Watch(round.LockersAwayEffect.OnFinished, count(ReplayCounters::BoardsThrown));
        for (TBoss* boss : round.Bosses()) Watch(boss->OnDead, count(ReplayCounters::BossesBeaten));
        Watch(round.MonsterAura.OnAuraPeak, count(ReplayCounters::BossDrains));
        WatchSpiders();
    }

    void WatchSpiders() {
        TCrawlingSpiders& spiders = Form->MainGame().CrawlingSpiders;
        const auto count = [this](const char* name) {
            Counters[name] = 0;
            return [this, name] { ++Counters[name]; };
        };
        Watch(spiders.OnAnySpiderLanding, count(ReplayCounters::SpidersLanded));
        Watch(spiders.OnPutWeb, count(ReplayCounters::WebsSpun));
        Watch(spiders.OnOneSpiderHit, count(ReplayCounters::SpidersHit));
    }

    void WatchTools() {
        TMainGameScene& round = Form->MainGame();
        const auto count = [this](const char* name) { return [this, name] { ++Counters[name]; }; };
        const char* collectorUses[] = {ReplayCounters::HammerUses, ReplayCounters::BombUses,
                                       ReplayCounters::BlasterUses};
        for (const char* name : collectorUses) Counters[name] = 0;
        for (const char* name :
             {ReplayCounters::KeyUses, ReplayCounters::BroomUses, ReplayCounters::AerosolUses})
            Counters[name] = 0;
        Watch(round.MagicKey.OnTileClick, count(ReplayCounters::KeyUses));
        Watch(round.Broom.OnTileBroomingFinished, count(ReplayCounters::BroomUses));
        Watch(round.Aerosol.OnEnemiesExistQuestion, count(ReplayCounters::AerosolUses));
        for (int i = 0; i < 3; ++i) Watch(round.CollectorTools[i].OnClick, count(collectorUses[i]));
    }

    TTempFolder dataFolder;
    TNullPlatform Platform;
    std::unique_ptr<TFormMain> Form;
    std::map<std::string, int> Counters;
    std::string scenes;
    bool moveAwaitsLine = false;
    TDoveFlight lastFlight = TDoveFlight::Away;
};

} // namespace

TReplayOutcome PlayReplay(const TReplay& replay, const TReplayContent& content,
                          const TReplayWatch& beforeInput) {
    TReplayOutcome outcome;
    std::optional<TFixtureLevelFolder> fixtureLevel;
    if (!replay.LevelSource.empty()) {
        outcome.Error = fixtureLevel.emplace().Prepare(content, replay);
        if (!outcome.Error.empty()) return outcome;
    }
    TReplayRun run(replay.Seed, fixtureLevel ? fixtureLevel->Path() : content.GameFolder);
    if (replay.FromBook)
        run.OpenBook(replay);
    else if (!replay.FromLogos)
        outcome.Error = run.StartLevel(replay.Island, replay.Level, replay.Taught);
    if (!outcome.Error.empty()) return outcome;
    run.Play(replay, beforeInput);
    return run.Outcome();
}

std::string CountersText(const std::map<std::string, int>& counters) {
    std::string text;
    for (const auto& [name, count] : counters) {
        if (!text.empty()) text += ", ";
        text += name + ' ' + std::to_string(count);
    }
    return text;
}
