// The round scene's frame and input; the round itself is in MainGameRound.cpp.
#include "app/scenes/MainGameScene.h"

#include "app/GameProgress.h"
#include "engine/GameGlobals.h"
#include "engine/ImageDrawing.h"
#include "engine/PictureNames.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

// The bottom panel holds the score counter (centred on its x) and the menu button.
constexpr TPoint BottomPanelPos{0, 688};
constexpr TPoint ScorePos{80, 712};
constexpr TPoint InGameMenuButtonPos{148, 720};
// The tube timer rests at the right edge and hides beyond it.
constexpr int TubeLeft = 1232;
constexpr int TubeHideLeft = 1358;
constexpr int TubeTop = 320;
// The sign of a paused round, its alpha swinging between these.
constexpr TPoint PausedSignPos{603, 354};
constexpr float PausedAlphaLow = 14;
constexpr float PausedAlphaHigh = 600;
constexpr float PausedSwingPerTick = 0.08f;
// The energy bonus sign's pop and fade.
constexpr double BonusPopMaxRatio = 1.3;
constexpr double BonusPopUpStep = 0.1;
constexpr double BonusPopDownStep = 0.05;
constexpr int BonusFadeStep = 8;
// The developer's win: every slot gathered this often.
constexpr int DeveloperGatherings = 150;
// The developer's charge of the energy gauge.
constexpr int DeveloperChargeSteps = 300;

// The configured looks of a board comment.
struct TCommentLook {
    int WavingTime;
    int CenterAdjustX;
    int CenterAdjustY;
    int AdditionalHorzSpace;
    float LetterSizeRatio;
};
constexpr TCommentLook RoundCommentLook{1500, 25, -40, 0, 1.15f};
constexpr TCommentLook FlowerCommentLook{1500, 21, 85, 3, 0.75f};

void Configure(TGameComment& comment, const TTextStrings& texts, const TCommentLook& look) {
    comment.TextStringsComp = &texts;
    comment.LettersImg = std::string(Pictures::CommentFont);
    comment.SetShiftAdjListKind(slShorter);
    comment.WavingTime = look.WavingTime;
    comment.CenterAdjustX = look.CenterAdjustX;
    comment.CenterAdjustY = look.CenterAdjustY;
    comment.AdditionalHorzSpace = look.AdditionalHorzSpace;
    comment.LetterSizeRatio = look.LetterSizeRatio;
}

// The haven behind the board, at about two fifths of its light and a little bluer.
struct TTint {
    uint8_t Red, Green, Blue;
};
constexpr TTint BackdropTint{96, 104, 128};

} // namespace

TMainGameScene::TMainGameScene(const TGameServices& services) : services_(services) {
    Configure(BoardComment1, services_.Texts, RoundCommentLook);
    Configure(BoardComment2, services_.Texts, FlowerCommentLook);
    InGameMenuButton.ImageName = Pictures::InGameMenuButton;
    InGameMenuButton.Left = InGameMenuButtonPos.X;
    InGameMenuButton.Top = InGameMenuButtonPos.Y;
    InGameMenuButton.OnClick = [this] {
        if (OnInGameMenu) OnInGameMenu();
    };
    // With a tutorial step to come, the round is announced once the step has been read.
    ObjectiveInfo.OnStartHiding = [this] {
        SyncTeaching();
        if (!Tutorial.HasStep(islandIdx_, levelIdx_, bossLevel_)) BoardComment1.ShowComment(coGo);
    };
    ObjectiveInfo.OnHidingComplete = [this] { BeginPlay(); };
    TubeTimer.Left = TubeLeft;
    TubeTimer.HideLeft = TubeHideLeft;
    TubeTimer.Top = TubeTop;
    TubeTimer.Reset();
    ScoreCounter.Left = ScorePos.X;
    ScoreCounter.Top = ScorePos.Y;
    WireDisplayEvents();
    WireSmallEffectEvents();
    // The bonus sign pops, then floats up and fades.
    EnergyBonusPop.SetupRatios(0, 1, BonusPopMaxRatio, BonusPopUpStep, BonusPopDownStep);
    EnergyBonusPop.SetupFloat(ftAfterPop, 1, 0, BonusFadeStep);
    WireBoardEvents();
    WireSpecialTileEvents();
    WireEffectEvents();
    WireLockerEvents();
    WireWholeBoardEvents();
    WireSpiderEvents();
    WireBossEvents();
    WireTools();
    WireTeaching();
}

// The player's haven as the sticker book shows it, dimmed and cooled so that the board, the
// panels and the gathering read clearly over it. It is loaded again whenever it is gone: the
// sticker book frees its own copy, the same picture, as it closes behind the next round's start.
void TMainGameScene::DrawBackdrop() {
    const std::string wanted = services_.Progress.StickerBook.BackgroundName();
    if (wanted != backdrop_) {
        if (!backdrop_.empty()) services_.Host.FreeImage(backdrop_);
        backdrop_ = wanted;
        backdropMissing_ = false;
    }
    if (backdrop_.empty() || backdropMissing_) return;
    if (ImageTileWidth(backdrop_) == 0) {
        services_.Host.LoadLateImage(backdrop_ + ".jpg");
        backdropMissing_ = ImageTileWidth(backdrop_) == 0;
    }
    DrawImage(backdrop_, 0, 0, 0, 0, 0, 1, 1, BackdropTint.Red, BackdropTint.Green,
              BackdropTint.Blue, FullChannel, 0);
}

void TMainGameScene::TakeSizes() {
    BoardComment1.TakeSize();
    BoardComment2.TakeSize();
    ElementGather.TakeSizes();
    InGameMenuButton.TakeSize();
    ObjectiveInfo.TakeSize();
    TubeTimer.TakeSize();
    ScoreCounter.TakeSize();
    MatchedCyan.TakeSize();
    WebEffect.TakeSize();
    ChainLockEffect.TakeSize();
    CrawlingSpiders.TakeSize();
}

void TMainGameScene::WireDisplayEvents() {
    TubeTimer.OnAlmostTimeUp = [this] { BoardComment1.ShowComment(coTimeRunningOut); };
    TubeTimer.OnTimeUp = [this] { TimeUp(); };
}

void TMainGameScene::Frame() {
    // The round's time runs while it is played, not while the board is being built.
    TubeTimer.Paused =
        gamePause_ || !playStarted_ || RoundOver || LockerFiller.Running() || TeachingOpen();
    DrawBackdrop();
    // The board and its effects; the locker frames are drawn by the board, at its layer, and
    // by themselves while they fly back over a board that has gone.
    LockerFiller.Tick();
    LostBoardEffect.Tick();
    ShuffleAwayEffect.Tick();
    LockersAwayEffect.Tick();
    if (!GameBoard.CanDraw && LockersAwayEffect.Phase() != TLockersAwayEffect::lpIdle)
        LockerFrames.Tick();
    GameBoard.UpdateAndDraw();
    TickBoss();
    OpeningLockers.Tick();
    RunCompletionsWithoutEffect();
    LockerPieces.Tick();
    SwapEffect.Tick();
    if (!IsReducedEffectsMode()) MatchedCyan.Tick();
    GroupedElementsEffect.Tick();
    FallingElements.Tick();
    ChainLockEffect.Tick();
    WebEffect.Tick();
    UniBubbleEffect.Tick();
    CrawlingSpiders.UpdateAndDraw();
    TickHammers();
    GameBoard.DrawHint();
    DrawKeyCursor();
    BoardComment1.Update();
    BoardComment2.Update();
    DrawPanels();
    GuidePocket.UpdateAndDraw();
    Combos.Tick();
    ComboConveyer.UpdateAndDraw();
    DrawEnergyBonus();
    // Gathering, then what flies over everything.
    ElementGather.UpdateAndDraw();
    DrawTools();
    FlowingElements.Tick();
    AbsorbedEnergy.Tick();
    if (!IsReducedEffectsMode()) Stars.Tick();
    if (gamePause_) DrawPausedSign();
    DrawTeaching();
}

void TMainGameScene::DrawEnergyBonus() {
    if (!EnergyBonusPop.Active() || EnergyBonusPop.Finished()) return;
    EnergyBonusPop.Update();
    const auto scale = static_cast<float>(EnergyBonusPop.Ratio);
    DrawImage(Pictures::EnergyBonusText, EnergyBonusPop.Position.X, EnergyBonusPop.Position.Y, 0,
              0.5f, 0.5f, scale, scale, 255, 255, 255,
              static_cast<uint8_t>(std::clamp(EnergyBonusPop.Alpha, 0, 255)), energyBonusPicture_);
}

void TMainGameScene::DrawPausedSign() {
    ++pausedTicks_;
    const float swing = (1 - std::cos(pausedTicks_ * PausedSwingPerTick)) / 2;
    const float alpha = PausedAlphaLow + swing * (PausedAlphaHigh - PausedAlphaLow);
    DrawImage(Pictures::Paused, PausedSignPos.X, PausedSignPos.Y, 0, 0, 0, 1, 1, 255, 255, 255,
              static_cast<uint8_t>(std::min(alpha, 255.0f)), 0);
}

void TMainGameScene::SetGamePause(bool paused) {
    gamePause_ = paused;
    pausedTicks_ = 0;
    GameBoard.Visible = !paused;
    for (bool* visible : {&LockerFiller.Visible, &LockerFrames.Visible, &OpeningLockers.Visible,
                          &LockerPieces.Visible, &ShuffleAwayEffect.Visible,
                          &LostBoardEffect.Visible, &LockersAwayEffect.Visible})
        *visible = !paused;
    SwapEffect.Visible = !paused;
    GroupedElementsEffect.Visible = !paused;
    FallingElements.Visible = !paused;
    FlowingElements.Visible = !paused;
    CrawlingSpiders.Visible = !paused;
    ObjectHammer.Visible = !paused;
    ToolHammer.Visible = !paused;
    FlyingTools.Visible = !paused;
    PauseTools(paused);
    InGameMenuButton.Enabled = !paused;
    PauseBoss(paused);
}

std::vector<bool*> TMainGameScene::BoardEffectVisibility() {
    return {&GameBoard.Visible,       &LockerFiller.Visible,
            &LockerFrames.Visible,    &OpeningLockers.Visible,
            &LockerPieces.Visible,    &ShuffleAwayEffect.Visible,
            &LostBoardEffect.Visible, &LockersAwayEffect.Visible,
            &SwapEffect.Visible,      &GroupedElementsEffect.Visible,
            &FallingElements.Visible, &FlowingElements.Visible,
            &MatchedCyan.Visible,     &Stars.Visible,
            &WebEffect.Visible,       &ChainLockEffect.Visible,
            &UniBubbleEffect.Visible, &Combos.Visible,
            &CrawlingSpiders.Visible};
}

void TMainGameScene::Forfeit() {
    if (!earningsPending_) return;
    earningsPending_ = false;
    services_.Progress.BuySlots.ForfeitLevelEarnings();
}

void TMainGameScene::DeveloperWin() {
    if (gamePause_) return;
    for (int i = 0; i < DeveloperGatherings; ++i) {
        for (uint8_t fruit = 1; fruit <= 8; ++fruit) ElementGather.Count(elFruit, fruit);
        for (uint8_t flower = 1; flower <= 4; ++flower) ElementGather.Count(elFlower, flower);
        for (uint8_t index = 1; index <= 2; ++index) {
            ElementGather.Count(elPotion, index);
            ElementGather.Count(elGoldTile, index);
        }
        ElementGather.Count(elSpider, 1);
    }
    DeveloperStrikeBoss();
}

void TMainGameScene::DeveloperCharge() {
    if (gamePause_) return;
    energyReached_.fill(true);
    MannaEnergy.AddFruit(DeveloperChargeSteps);
}

void TMainGameScene::Key(const TPlatformEvent& event) {
    constexpr uint8_t Escape = 27;
    if (BoardKey(event)) return;
    if (event.Kind == TEventKind::KeyPress && event.Char == Escape && InGameMenuButton.Enabled &&
        OnInGameMenu)
        OnInGameMenu();
}

// The energy cabinet on the left, the score and the menu on the bottom panel, the tube on the
// right.
void TMainGameScene::DrawPanels() {
    MannaEnergy.UpdateAndDraw();
    DrawImage(Pictures::BottomPanel, BottomPanelPos.X, BottomPanelPos.Y, 0, 0, 0, 1, 1, 255, 255,
              255, 255, 0);
    ScoreCounter.UpdateAndDraw();
    InGameMenuButton.Draw(255);
    TubeTimer.UpdateAndDraw();
}

void TMainGameScene::Mouse(const TPlatformEvent& event) {
    MouseTakesOver(event);
    switch (event.Kind) {
    case TEventKind::MouseDown:
        MouseDown(event);
        break;
    case TEventKind::MouseMove:
        MouseMove(event);
        break;
    case TEventKind::MouseUp:
        MouseUp(event);
        break;
    default:
        break;
    }
}

// The board takes no mouse while it is being built, its frames fly in, it is reshuffled, or its
// own blocking animation runs.
bool TMainGameScene::BoardBusy() const {
    return LockerFiller.Running() || LockerFrames.Flying() || ShuffleAwayEffect.IsRunning() ||
           GameBoard.IsBlasterWaveEarly() || ObjectHammer.Running() || ToolHammer.Running();
}

// A press that a tool had, before or after, never reaches the board.
void TMainGameScene::MouseDown(const TPlatformEvent& event) {
    const bool toolHeld = ToolHeld();
    InGameMenuButton.Press(event.X, event.Y, static_cast<TMouseButton>(event.Button));
    // A press hurries the round's announcement along.
    if (BoardComment1.State() == gcsWaving) BoardComment1.FinishWaving();
    ToolsMouseDown(event);
    if (toolHeld || ToolHeld()) return;
    // A press on a spider knocks it off and goes no further.
    if (!BoardBusy() && SpiderClicked(event)) return;
    if (event.Button == mbLeft) GameBoard.SetMouseHeld(true);
    if (!BoardBusy())
        GameBoard.MouseDown(event.X, event.Y, static_cast<TMouseButton>(event.Button));
}

// Dragging with the button held works like clicking every tile on the way.
void TMainGameScene::MouseMove(const TPlatformEvent& event) {
    InGameMenuButton.Hover(event.X, event.Y);
    ToolsMouseMove(event);
    if (GameBoard.MouseHeld() && !ToolHeld() && !BoardBusy())
        GameBoard.MouseDown(event.X, event.Y, mbLeft);
}

void TMainGameScene::MouseUp(const TPlatformEvent& event) {
    GameBoard.SetMouseHeld(false);
    InGameMenuButton.Release(event.X, event.Y);
}
