#include "app/scenes/MapScene.h"

#include "app/GameProgress.h"
#include "app/PlayerSession.h"
#include "app/scenes/SceneInput.h"
#include "app/scenes/ScenePanels.h"
#include "engine/GameGlobals.h"
#include "engine/ImageDrawing.h"
#include "engine/PictureNames.h"
#include "engine/SoundByName.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {

constexpr TPanelSlide PanelSlide{sdToUp, GameSpace.Height, 20};
constexpr const char* BackdropFile = "MapBG.jpg";
constexpr TPoint LogoPos{-9, -5};
constexpr float LogoScale = 0.88f;
// The buttons on their panels, and the rays turning behind Play.
constexpr TPoint MenuOffset{57, 50};
constexpr TPoint PlayOffset{52, 48};
constexpr TPoint ShineOffset{37, 20};
constexpr float ShineDegreesPerTick = 0.15f;
// The rays turn on the sky's slow beat, a four ticks' turn at a time: the same pace, and a
// resting map redraws them on one frame in four.
constexpr int ShineStepTicks = TAmbientDecorations::StepTicks;
constexpr uint8_t ShineAlpha = 35;
constexpr float Centered = 0.5f;

// Level buttons: a glass bubble with the level's number, rows of six on the island.
constexpr int LevelButtonsPerRow = 6;
constexpr int LevelButtonStep = 54;
constexpr float GlassScale = 0.5f;
constexpr float LevelNumberRatio = 0.7f;
constexpr uint8_t LevelGlowAlpha = 90;
constexpr float StampScale = 0.6f;
constexpr uint8_t StampAlpha = 230;
// The purse along the top right: icon, then its count.
constexpr TPoint PurseLeftTop{930, 14};
constexpr int PurseStep = 86;
constexpr TPoint PurseCountOffset{54, 22};
constexpr float PurseRatio = 0.62f;
constexpr int White = 0;
constexpr int NoWidthLimit = 0;

// The map's comment: the comment font at full size, four pixels between letters.
constexpr int CommentWavingTime = 2500;
constexpr int CommentSpace = 4;
constexpr int CommentCentreY = -120;

// The map's sky: the same every visit, from dice of its own.
constexpr uint32_t MapSkySeed = 1805;
constexpr TRect LogoArea{0, 0, 380, 175};
constexpr int PurseBottom = 65;
// Every level button an island can show, the glass of the outer ones included.
constexpr int LevelBlockHalfWidth = (LevelButtonsPerRow - 1) * LevelButtonStep / 2 + 25;
constexpr int LevelBlockHalfHeight =
    (TMapScene::MaxLevelButtons / LevelButtonsPerRow - 1) * LevelButtonStep / 2 + 25;
// Flowers on the beaches of the three far islands, butterflies over the open sea, gulls and
// clouds crossing high and low, rain over the islands not yet open.
constexpr std::array<TPoint, 3> FlowerBeds{{{392, 416}, {697, 392}, {1010, 440}}};
constexpr std::array<TPoint, 2> ButterflyHomes{{{875, 425}, {1300, 560}}};
constexpr std::array<TDecorationPath, 2> BirdPaths{
    {{{1430, 120}, {-60, 90}}, {{-60, 440}, {1430, 400}}}};
constexpr std::array<int, 2> CloudLanes{130, 430};
constexpr int RainInset = 20;
constexpr int RainAboveBeach = 40;

constexpr const char* AffordableNoticeSound = "MannaNotify3";
constexpr const char* ChapterEntrySound = "ChapterEntry";

} // namespace

TMapScene::TMapScene(const TGameServices& services) : services_(services) {
    leftPanel_.OnPosUpdate = [this](TPoint pos) { PlaceButton(menuButton_, pos, MenuOffset); };
    rightPanel_.OnPosUpdate = [this](TPoint pos) { PlaceButton(playButton_, pos, PlayOffset); };
    PreparePanel(leftPanel_, Pictures::BuySlotsPanelB, LeftPanelRest, PanelSlide,
                 services_.Pictures);
    PreparePanel(rightPanel_, Pictures::BuySlotsPanelB, RightPanelRest, PanelSlide,
                 services_.Pictures);
    menuButton_.ImageName = Pictures::MapMenuButton;
    playButton_.ImageName = Pictures::BookPlayButton;
    menuButton_.OnClick = [this] { services_.Host.TransitionTo(gsMenu); };
    playButton_.OnClick = [this] { PlayClick(); };
    comment_.TextStringsComp = &services_.Texts;
    comment_.LettersImg = std::string(Pictures::CommentFont);
    comment_.WavingTime = CommentWavingTime;
    comment_.AdditionalHorzSpace = CommentSpace;
    comment_.CenterAdjustY = CommentCentreY;
}

void TMapScene::TakeSizes() {
    menuButton_.TakeSize();
    playButton_.TakeSize();
    comment_.TakeSize();
}

TPoint TMapScene::PurseCountPos(int kind) {
    return {PurseLeftTop.X + kind * PurseStep + PurseCountOffset.X,
            PurseLeftTop.Y + PurseCountOffset.Y};
}

// The islands a completed one opens come first; then the island of play, its slots, the notice
// of a slot the purse now covers, and the announcement of an island not yet set foot on.
void TMapScene::Enter(TGameSceneValues) {
    services_.Host.LoadMainSetImage(BackdropFile);
    TGameProgress& progress = services_.Progress;
    if (progress.OpenCompletedIslands(services_.Player.Current))
        services_.Host.SavePlayerSave(true);
    TMapIslands& islands = progress.MapIslands;
    islands.SelectForIsland(progress.BuySlots.IslandIdx);
    islands.Unlock(islands.Current());
    SelectIsland(islands.Current());
    progress.BuySlots.Enabled = true;
    progress.BuySlots.UpdateAffordable();
    if (progress.BuySlots.TakeAffordableNotice() != 0) PlaySound(AffordableNoticeSound);
    const std::string announcement = islands.TakeAnnouncement();
    if (!announcement.empty()) {
        Announce(announcement);
        PlaySound(ChapterEntrySound + std::to_string(islands.Current()));
    }
    decorations_.Start(DecorationLayout(islands), MapSkySeed, IsReducedEffectsMode());
    leftPanel_.Show();
    rightPanel_.Show();
    services_.Music.RequestTrack(mtSplash);
}

void TMapScene::Leave(TGameSceneValues) {
    comment_.StopNow();
    services_.Progress.SlotsInfo.HideNow();
    services_.Host.FreeImage(std::string(Pictures::MapBG));
}

void TMapScene::TransitionStarts(TGameSceneValues) {
    leftPanel_.Hide();
    rightPanel_.Hide();
    services_.Progress.SlotsInfo.Hide();
}

void TMapScene::Announce(const std::string& text) {
    comment_.ShowText(text);
}

int TMapScene::NextLevelOn(int island) const {
    const TPlayerSaveRecord& record = services_.Player.Current;
    return island == record.UsableIsland() ? record.UsableLevel() : 1;
}

void TMapScene::SelectIsland(int island) {
    TGameProgress& progress = services_.Progress;
    if (!progress.MapIslands.Select(island)) return;
    progress.BuySlots.IslandIdx = static_cast<uint8_t>(island);
    progress.BuySlots.LevelIdx = NextLevelOn(island);
    progress.SlotsInfo.HideNow();
    BuildLevelButtons(island);
}

// The island's levels up to its next one, those that have a file; the ones before the player's
// next level carry the stamp.
void TMapScene::BuildLevelButtons(int island) {
    levelButtons_.clear();
    const TPlayerSaveRecord& record = services_.Player.Current;
    const bool islandDone = island < record.UsableIsland();
    const int next = NextLevelOn(island);
    std::vector<int> levels;
    for (int level = 1; level <= MaxLevelButtons; ++level) {
        if (!services_.Levels.HasLevelFile(static_cast<uint8_t>(island), level)) break;
        if (!islandDone && level > next) break;
        levels.push_back(level);
    }
    const auto area = TMapIslands::IslandArea(island);
    const int count = static_cast<int>(levels.size());
    const int rows = (count + LevelButtonsPerRow - 1) / LevelButtonsPerRow;
    for (int i = 0; i < count; ++i) {
        const int row = i / LevelButtonsPerRow;
        const int inRow = std::min(LevelButtonsPerRow, count - row * LevelButtonsPerRow);
        const int column = i % LevelButtonsPerRow;
        const TPoint centre{area[0] + area[2] / 2 +
                                (2 * column - (inRow - 1)) * LevelButtonStep / 2,
                            area[1] + area[3] / 2 + (2 * row - (rows - 1)) * LevelButtonStep / 2};
        levelButtons_.push_back({levels[i], centre, islandDone || levels[i] < next});
    }
}

const TMapScene::TLevelButton* TMapScene::LevelButtonAt(int x, int y) const {
    for (const TLevelButton& button : levelButtons_)
        if (std::abs(x - button.Centre.X) <= LevelButtonSize / 2 &&
            std::abs(y - button.Centre.Y) <= LevelButtonSize / 2)
            return &button;
    return nullptr;
}

// A level without its file says so as it is loaded, and the map stays.
void TMapScene::StartLevel(int level) {
    TGameProgress& progress = services_.Progress;
    progress.MapIslands.MarkEntered();
    progress.BuySlots.LevelIdx = level;
    services_.Host.StartLevelBehindTransition(progress.BuySlots.IslandIdx, level);
}

void TMapScene::PlayClick() {
    StartLevel(services_.Progress.BuySlots.LevelIdx);
}

void TMapScene::Frame() {
    ++ticks_;
    leftPanel_.Update();
    rightPanel_.Update();
    DrawImage(Pictures::MapBG, 0, 0, 0, 0, 0, 1, 1, FullChannel, FullChannel, FullChannel,
              FullChannel, 0);
    decorations_.Tick();
    decorations_.Draw();
    DrawImage(Pictures::GameLogo, LogoPos.X, LogoPos.Y, 0, 0, 0, LogoScale, LogoScale, FullChannel,
              FullChannel, FullChannel, FullChannel, 0);
    services_.Progress.MapIslands.Tick();
    DrawLevelButtons();
    DrawPurse();
    comment_.Update();
    leftPanel_.Draw();
    rightPanel_.Draw();
    DrawSlots();
    if (rightPanel_.State() != mwsHidden) DrawShine();
    if (leftPanel_.State() != mwsHidden) menuButton_.Draw(FullChannel);
    if (rightPanel_.State() != mwsHidden) playButton_.Draw(FullChannel);
    services_.Progress.SlotsInfo.Tick();
}

// The islands' labels and the level buttons of every open island are kept clear (any of them
// may become current while the sky goes on); a closed island's rain stays below its label.
TDecorationLayout TMapScene::DecorationLayout(const TMapIslands& islands) {
    TDecorationLayout layout;
    const TPoint label = ImageTileSize(Pictures::RoomNames);
    layout.Protected = {LogoArea,
                        {PurseLeftTop.X, 0, GameSpace.Width, PurseBottom},
                        {0, LeftPanelRest.Y, GameSpace.Width, GameSpace.Height}};
    for (int island = 1; island <= MapIslandCount; ++island) {
        const TPoint centre = TMapIslands::LabelCentre(island);
        layout.Protected.push_back({centre.X - label.X / 2, centre.Y - label.Y / 2,
                                    centre.X + label.X / 2, centre.Y + label.Y / 2});
    }
    layout.FlowerBeds.assign(FlowerBeds.begin(), FlowerBeds.end());
    layout.ButterflyHomes.assign(ButterflyHomes.begin(), ButterflyHomes.end());
    layout.BirdPaths.assign(BirdPaths.begin(), BirdPaths.end());
    layout.CloudLanes.assign(CloudLanes.begin(), CloudLanes.end());
    for (int island = 1; island <= MapIslandCount; ++island) {
        const auto area = TMapIslands::IslandArea(island);
        if (islands.Unlocked(island)) {
            const TPoint centre{area[0] + area[2] / 2, area[1] + area[3] / 2};
            layout.Protected.push_back(
                {centre.X - LevelBlockHalfWidth, centre.Y - LevelBlockHalfHeight,
                 centre.X + LevelBlockHalfWidth, centre.Y + LevelBlockHalfHeight});
            continue;
        }
        const int labelBottom = TMapIslands::LabelCentre(island).Y + label.Y / 2;
        layout.RainAreas.push_back(
            {area[0] + RainInset, labelBottom + TAmbientDecorations::DropSize.Y + 2,
             area[0] + area[2] - RainInset,
             std::min(area[1] + area[3] - RainAboveBeach,
                      LeftPanelRest.Y - TAmbientDecorations::DropSize.Y - 2)});
    }
    return layout;
}

void TMapScene::DrawLevelButtons() const {
    const TPoint glass = ImageTileSize(Pictures::BuySlotGlassCover);
    const TPoint stamp = ImageTileSize(Pictures::CompletedStamp);
    for (const TLevelButton& button : levelButtons_) {
        const int left = button.Centre.X - glass.X / 2;
        const int top = button.Centre.Y - glass.Y / 2;
        DrawImage(Pictures::BuySlotGlassCover, left, top, 0, Centered, Centered, GlassScale,
                  GlassScale, FullChannel, FullChannel, FullChannel, FullChannel, 0);
        if (button.Level == hoveredLevel_)
            DrawImageBlend(Pictures::BuySlotGlassCover, left, top, 0, Centered, Centered,
                           GlassScale, GlassScale, FullChannel, FullChannel, FullChannel,
                           LevelGlowAlpha, 0, BlendAdditiveAlpha);
        // The text is placed by its first glyph's centre: half a glyph in from its left edge.
        const std::string number = std::to_string(button.Level);
        const int width = services_.GameText.TextWidth(number, 0, LevelNumberRatio);
        const int glyphs = static_cast<int>(number.size());
        services_.GameText.DrawText(button.Centre.X - width / 2 + width / (2 * glyphs),
                                    button.Centre.Y, number, LevelNumberRatio, 0, FullChannel,
                                    NoWidthLimit, White);
        if (button.Completed)
            DrawImage(Pictures::CompletedStamp, button.Centre.X - stamp.X / 2,
                      button.Centre.Y - stamp.Y / 2, -12, Centered, Centered, StampScale,
                      StampScale, FullChannel, FullChannel, FullChannel, StampAlpha, 0);
    }
}

void TMapScene::DrawPurse() const {
    const TElementsCount& owned = services_.Progress.BuySlots.Owned();
    for (int kind = 0; kind < static_cast<int>(ElementKinds); ++kind) {
        DrawImage(Pictures::ElementIcons, PurseLeftTop.X + kind * PurseStep, PurseLeftTop.Y, 0, 0,
                  0, 1, 1, FullChannel, FullChannel, FullChannel, FullChannel, kind);
        const TPoint at = PurseCountPos(kind);
        services_.GameText.DrawText(at.X, at.Y,
                                    std::to_string(static_cast<int>(std::nearbyint(owned[kind]))),
                                    PurseRatio, 0, FullChannel, NoWidthLimit, White);
    }
}

// The slots ride with the right panel as it slides.
void TMapScene::DrawSlots() {
    if (rightPanel_.State() == mwsHidden) return;
    TBuySlots& slots = services_.Progress.BuySlots;
    slots.Left = SlotsPanelRest.X;
    slots.Top = SlotsPanelRest.Y + rightPanel_.Position().Y - RightPanelRest.Y;
    slots.Tick();
}

void TMapScene::DrawShine() const {
    const TPoint panel = rightPanel_.Position();
    DrawImage(Pictures::FeatureShine, panel.X + ShineOffset.X, panel.Y + ShineOffset.Y,
              std::fmod(static_cast<float>(ticks_ / ShineStepTicks * ShineStepTicks) *
                            ShineDegreesPerTick,
                        360.0f),
              Centered, Centered, 1, 1, FullChannel, FullChannel, FullChannel, ShineAlpha, 0);
}

void TMapScene::Mouse(const TPlatformEvent& event) {
    RouteMouse(event, menuButton_, playButton_, services_.Progress.BuySlots);
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

void TMapScene::MouseMove(const TPlatformEvent& event) {
    services_.Progress.MapIslands.MouseMove(event.X, event.Y);
    const TLevelButton* button = LevelButtonAt(event.X, event.Y);
    const int hovered = button != nullptr ? button->Level : 0;
    if (hovered != 0 && hovered != hoveredLevel_) PlaySound("MouseOver");
    hoveredLevel_ = hovered;
}

void TMapScene::MouseDown(const TPlatformEvent& event) {
    pressedLevel_ = 0;
    pressedIsland_ = 0;
    if (event.Button != mbLeft) return;
    if (const TLevelButton* button = LevelButtonAt(event.X, event.Y))
        pressedLevel_ = button->Level;
    else if (event.Y < SlotsPanelRest.Y)
        pressedIsland_ = TMapIslands::IslandAt(event.X, event.Y);
}

// A release where the press was: the level starts, or the open island becomes current.
void TMapScene::MouseUp(const TPlatformEvent& event) {
    const TLevelButton* button = LevelButtonAt(event.X, event.Y);
    if (pressedLevel_ != 0 && button != nullptr && button->Level == pressedLevel_) {
        PlaySound("Click");
        StartLevel(pressedLevel_);
    } else if (pressedIsland_ != 0 && button == nullptr &&
               TMapIslands::IslandAt(event.X, event.Y) == pressedIsland_ &&
               pressedIsland_ != services_.Progress.MapIslands.Current() &&
               services_.Progress.MapIslands.Unlocked(pressedIsland_)) {
        PlaySound("Click");
        SelectIsland(pressedIsland_);
    }
    pressedLevel_ = 0;
    pressedIsland_ = 0;
}

std::vector<TKeyStop> TMapScene::KeyStops() const {
    std::vector<TKeyStop> stops;
    for (const TLevelButton& level : levelButtons_) stops.push_back({level.Centre});
    for (int slot = 1; slot <= static_cast<int>(SlotsPerIsland); ++slot)
        AddKeyStops(stops, services_.Progress.BuySlots.BuyButton(slot));
    AddKeyStops(stops, menuButton_, playButton_);
    return stops;
}
