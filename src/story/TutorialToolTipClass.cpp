#include "story/TutorialToolTipClass.h"

#include "engine/ImageDrawing.h"
#include "engine/PictureNames.h"
#include "engine/TextStringsClass.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int TaughtTips[] = {3, 6, 13, 22, 25, 26, 27};

// The tips of island 1's level starts, level 1 to 7.
constexpr int LevelStartTips[] = {1, 7, 11, 13, 17, 19, 20};
struct TMatchTip {
    int Level;
    int Count;
    int Tip;
};
constexpr TMatchTip MatchTips[] = {{1, 3, 2},  {1, 8, 3},   {1, 13, 4}, {1, 18, 5}, {2, 6, 8},
                                   {2, 12, 9}, {2, 22, 10}, {3, 8, 12}, {7, 10, 23}};
constexpr int EventTips[] = {6, 15, 16, 22, 24};
constexpr int BookTips[] = {25, 26, 27};
constexpr uint8_t TeachingIsland = 1;

// The panel and the arrow by the quarter of the screen the pointing point lies in.
constexpr int QuadrantSplitX = 900;
constexpr int QuadrantSplitY = 460;
struct TPlacement {
    TPoint Arrow;
    TPoint Panel;
    int Angle;
};
constexpr TPlacement Placements[] = {
    {{-5, -7}, {19, 19}, 105},
    {{-47, -6}, {-347, 11}, 195},
    {{-6, -49}, {23, -237}, 15},
    {{-48, -48}, {-344, -233}, 285},
};
constexpr TPoint TextOffset{36, 35};
constexpr TPoint ButtonOffset{121, 164};

constexpr int PanelAlpha = 170;
constexpr float PanelScaleX = 0.8f;
constexpr float PanelScaleY = 0.675f;
constexpr TPoint ArrowHalf{16, 16};
constexpr float ArrowScale = 0.7f;
constexpr float ArrowCenterX = 0.5f;
constexpr float ArrowCenterY = 0.427f;
constexpr float FadeStep = 0.1f;
// The arrow nods between its two pictures; the last character is where the loop turns.
constexpr const char* ArrowNod = "11111112222221";

constexpr TNarrationTiming TextTiming{30, 1, 25};

uint8_t Faded(float fade, int alpha) {
    return static_cast<uint8_t>(std::clamp(static_cast<int>(std::lround(fade * alpha)), 0, 255));
}

TPoint Plus(TPoint a, TPoint b) {
    return {a.X + b.X, a.Y + b.Y};
}

} // namespace

bool TTutorialToolTip::Taught(int tip) {
    return std::find(std::begin(TaughtTips), std::end(TaughtTips), tip) != std::end(TaughtTips);
}

void TTutorialToolTip::LoadTexts(const TTextStrings& texts) {
    shown_.fill(0);
    for (int tip = 1; tip <= TipCount; ++tip) texts_[tip - 1] = texts.TutorialInfo(tip);
}

void TTutorialToolTip::LevelStart() {
    if (!Enabled || IslandIdx != TeachingIsland) return;
    if (LevelIdx >= 1 && LevelIdx <= static_cast<int>(std::size(LevelStartTips)))
        Show(LevelStartTips[LevelIdx - 1]);
}

void TTutorialToolTip::ManualMatch() {
    if (!Enabled || showing_) return;
    ++matchCount_;
    if (IslandIdx != TeachingIsland) return;
    for (const TMatchTip& entry : MatchTips)
        if (entry.Level == LevelIdx && entry.Count == matchCount_) Show(entry.Tip);
}

void TTutorialToolTip::EventTip(TToolTipEvent kind) {
    if (Enabled && kind < std::size(EventTips)) Show(EventTips[kind]);
}

void TTutorialToolTip::BookTip(TBookToolTip kind) {
    if (Enabled && kind < std::size(BookTips)) Show(BookTips[kind]);
}

void TTutorialToolTip::RememberBoardPoints(TPoint first, TPoint second) {
    boardPoints_ = {first, second};
}

// One tip at a time: a request while another shows waits for nothing and is dropped, its tip
// still unshown.
void TTutorialToolTip::Show(int tip) {
    if (!Taught(tip) || Shown(tip) || showing_) return;
    showing_ = true;
    tip_ = tip;
    fade_ = 0;
    fadeTarget_ = 1;
    shown_[tip - 1] = 1;
    TPoint pointing{};
    if (OnPointingPosRequest) OnPointingPosRequest(tip, pointing);
    Place(pointing);
    if (OnButtonPosChange) OnButtonPosChange(buttonPos_.X, buttonPos_.Y);
    ConfigureText();
    text_.ShowWhite(textPos_.X, textPos_.Y, texts_[tip - 1]);
    arrowAnim_.SetSeq(ArrowNod);
    arrowAnim_.Reset();
    if (OnStart) OnStart();
    if (OnSpecificToolTipIdx) OnSpecificToolTipIdx(tip);
}

void TTutorialToolTip::Place(TPoint pointing) {
    quadrant_ = (pointing.X > QuadrantSplitX ? 1 : 0) + (pointing.Y > QuadrantSplitY ? 2 : 0);
    const TPlacement& placement = Placements[quadrant_];
    arrowPos_ = Plus(pointing, placement.Arrow);
    panelPos_ = Plus(pointing, placement.Panel);
    arrowAngle_ = placement.Angle;
    textPos_ = Plus(panelPos_, TextOffset);
    buttonPos_ = Plus(panelPos_, ButtonOffset);
}

void TTutorialToolTip::ConfigureText() {
    text_.FontKind = fkAirstripNormal;
    text_.FontRatio = 0.59f;
    text_.VertSpace = 23;
    text_.HorzSpaceAdd = -1;
    text_.CapsAdj = 5;
    text_.StartingAlpha = 30;
    text_.SetMaxAlpha(225);
    text_.ApplyTiming(TextTiming, TextTiming);
}

void TTutorialToolTip::Finish() {
    if (!Open()) return;
    fadeTarget_ = 0;
    text_.Vanish();
    if (OnFinish) OnFinish();
}

void TTutorialToolTip::Reset() {
    showing_ = false;
    tip_ = 0;
    matchCount_ = 0;
    fade_ = 0;
    fadeTarget_ = 0;
    boardPoints_ = {};
    spiderLanding_ = {};
    webTile_ = {};
    arrowPos_ = panelPos_ = textPos_ = buttonPos_ = Unplaced;
    text_.Reset();
}

void TTutorialToolTip::UpdateAndDraw() {
    if (!showing_) return;
    arrowAnim_.Advance();
    DrawImage(Pictures::TutorialBlackRect, panelPos_.X, panelPos_.Y, 0, 0, 0, PanelScaleX,
              PanelScaleY, 255, 255, 255, Faded(fade_, PanelAlpha), 0);
    text_.UpdateAndDraw();
    DrawImage(Pictures::TutorialArrow, arrowPos_.X - ArrowHalf.X, arrowPos_.Y - ArrowHalf.Y,
              static_cast<float>(arrowAngle_), ArrowCenterX, ArrowCenterY, ArrowScale, ArrowScale,
              255, 255, 255, Faded(fade_, 255), arrowAnim_.CurrentFrame());
    fade_ = fade_ < fadeTarget_ ? std::min(fade_ + FadeStep, fadeTarget_)
                                : std::max(fade_ - FadeStep, fadeTarget_);
    if (fade_ <= 0) showing_ = false;
}
