#include "story/MirelaTutorialClass.h"

#include "engine/GameGlobals.h"
#include "engine/GlobalGameTextClass.h"
#include "engine/ImageDrawing.h"
#include "engine/PictureNames.h"
#include "engine/TextStringsClass.h"

#include <algorithm>
#include <cmath>

namespace {

struct TLevelStep {
    uint8_t Island;
    int Level;
    int Step;
};
constexpr TLevelStep LevelSteps[] = {
    {0, 0, TMirelaTutorial::BookStep},
    {1, 1, 1},
    {1, 2, 2},
    {1, 3, 3},
    {1, 5, 5},
    {2, 1, 10},
    {2, 11, 8},
    {3, 1, 11},
    {4, 1, 12},
    {5, 1, 13},
};

// The panel's parts, from its corner.
constexpr TPoint IconOffset{106, 74};
constexpr TPoint TitleOffset{48, 50};
constexpr TPoint TextOffset{39, 151};
constexpr float TitleRatio = 0.78f;
constexpr int PanelAlpha = 170;
constexpr int IconAlpha = 225;
constexpr int TitleAlpha = 255;
constexpr int WhiteTitle = 0;
constexpr float FadeStep = 0.03f;
constexpr float ReducedFadeStep = 0.3f;

constexpr TNarrationTiming TextTiming{12, 1, 10};
constexpr TNarrationTiming ReducedTextTiming{55, 5, 50};

uint8_t Faded(float fade, int alpha) {
    return static_cast<uint8_t>(std::clamp(static_cast<int>(std::lround(fade * alpha)), 0, 255));
}

} // namespace

void TMirelaTutorial::LoadTexts(const TTextStrings& texts) {
    shown_.fill(0);
    for (int step = 1; step <= StepCount; ++step) {
        titles_[step - 1] = texts.GameTutorial(2 * step - 1);
        texts_[step - 1] = texts.GameTutorial(2 * step);
    }
}

int TMirelaTutorial::StepFor(uint8_t islandIdx, int levelIdx, bool bossLevel) {
    if (bossLevel) return BossStep;
    for (const TLevelStep& entry : LevelSteps)
        if (entry.Island == islandIdx && entry.Level == levelIdx) return entry.Step;
    return 0;
}

bool TMirelaTutorial::HasStep(uint8_t islandIdx, int levelIdx, bool bossLevel) const {
    const int step = StepFor(islandIdx, levelIdx, bossLevel);
    return Enabled && step >= 1 && !Shown(step);
}

void TMirelaTutorial::Start(uint8_t islandIdx, int levelIdx, bool bossLevel) {
    if (!HasStep(islandIdx, levelIdx, bossLevel)) return;
    const int step = StepFor(islandIdx, levelIdx, bossLevel);
    Show(step);
    if (OnStart) OnStart(step);
}

void TMirelaTutorial::Show(int step) {
    showing_ = true;
    step_ = step;
    fade_ = 0;
    fadeTarget_ = 1;
    ConfigureText();
    text_.ShowWhite(Left + TextOffset.X, Top + TextOffset.Y, texts_[step - 1]);
    shown_[step - 1] = 1;
    if (OnSpecificTutorialIdx) OnSpecificTutorialIdx(step);
}

void TMirelaTutorial::ConfigureText() {
    text_.FontKind = fkAirstripNormal;
    text_.FontRatio = 0.567f;
    text_.VertSpace = 20;
    text_.HorzSpaceAdd = -1;
    text_.CapsAdj = 5;
    text_.StartingAlpha = 30;
    text_.SetMaxAlpha(225);
    text_.ApplyTiming(TextTiming, ReducedTextTiming);
}

void TMirelaTutorial::Finish() {
    if (!Open()) return;
    fadeTarget_ = 0;
    text_.Vanish();
    if (OnFinish) OnFinish();
}

void TMirelaTutorial::Reset() {
    showing_ = false;
    step_ = 0;
    fade_ = 0;
    fadeTarget_ = 0;
    text_.Reset();
}

void TMirelaTutorial::UpdateAndDraw() {
    if (!showing_) return;
    DrawImage(Pictures::TutorialBlackRect, Left, Top, 0, 0, 0, 1, 1, 255, 255, 255,
              Faded(fade_, PanelAlpha), 0);
    DrawImage(Pictures::TutorialIcons, Left + IconOffset.X, Top + IconOffset.Y, 0, 0, 0, 1, 1, 255,
              255, 255, Faded(fade_, IconAlpha), step_ - 1);
    if (GameText)
        GameText->DrawText(Left + TitleOffset.X, Top + TitleOffset.Y, titles_[step_ - 1],
                           TitleRatio, 0, Faded(fade_, TitleAlpha), 0, WhiteTitle);
    text_.UpdateAndDraw();
    const float step = IsReducedEffectsMode() ? ReducedFadeStep : FadeStep;
    fade_ = fade_ < fadeTarget_ ? std::min(fade_ + step, fadeTarget_)
                                : std::max(fade_ - step, fadeTarget_);
    if (fade_ <= 0) showing_ = false;
}
