#include "app/scenes/CreditsScene.h"

#include "app/scenes/SceneInput.h"
#include "app/scenes/SceneWindows.h"
#include "engine/PictureNames.h"

#include <algorithm>

namespace {

constexpr int WindowHidingYPos = -TCreditsScene::WindowSize.Y;
// The title's centre line and the band the lines rise through, from the window's top.
constexpr int TitleTop = 52;
constexpr float TitleRatio = 1.0f;
constexpr int AreaTop = 100;
constexpr int AreaBottom = 505;
// Lines fade in and out over this many pixels at either edge of the band.
constexpr int FadeBand = 40;
constexpr int LineSpacing = 30;
constexpr float LineRatio = 0.72f;
constexpr TPoint DoneOffset{216, 528};
constexpr int TitleLine = 1;
constexpr int FirstCreditLine = TitleLine + 1;

// Where the first line stands again once the last has risen out of the band: just below it.
constexpr float RestartScroll = FadeBand - (AreaBottom - AreaTop);

// The text's middle on `centreX`; the font places a text by the centre of its first glyph.
void DrawCentred(const TGlobalGameText& font, const std::string& text, int centreX, int y,
                 float ratio, int alpha) {
    const int width = font.TextWidth(text, NoSpacing, ratio);
    const int firstGlyphHalf = static_cast<int>(font.OrigLetterWidth * ratio / 2);
    font.DrawText(centreX - width / 2 + firstGlyphHalf, y, text, ratio, NoSpacing, alpha,
                  NoWidthLimit, TextBlack);
}

} // namespace

TCreditsScene::TCreditsScene(const TGameServices& services) : services_(services) {
    window_.OnPosUpdate = [this](TPoint pos) { PlaceButton(doneButton_, pos, DoneOffset); };
    window_.OnHidingComplete = [this] { WindowHidden(); };
    PrepareWindow(window_, Pictures::CreditsWindow, CentredRest(WindowSize), services_.Pictures,
                  WindowHidingYPos);
    doneButton_.ImageName = Pictures::WindowDoneButton;
    doneButton_.OnClick = [this] { DoneClick(); };
    for (int line = FirstCreditLine; line <= TTextStrings::LineCount(TTextTable::Credits); ++line)
        if (!services_.Texts.Credits(line).empty()) lineCount_ = line - TitleLine;
}

void TCreditsScene::TakeSizes() {
    doneButton_.TakeSize();
}

void TCreditsScene::Enter(TGameSceneValues from) {
    if (from == gsEndingStory) services_.Flow.CreditsOrigin = gsEndingStory;
    scroll_ = 0;
    window_.Show();
}

void TCreditsScene::WindowHidden() {
    if (services_.Flow.CreditsOrigin == gsEndingStory)
        services_.Host.TransitionTo(gsMenu);
    else
        services_.Scene.SetValue(services_.Flow.CreditsOrigin);
}

void TCreditsScene::DoneClick() {
    if (window_.State() == mwsShown || window_.State() == mwsShowing) window_.Hide();
}

// What lies beneath the options the credits were opened from; after the ending, the credits
// themselves: nothing but the dark.
TGameSceneValues TCreditsScene::Beneath() const {
    switch (services_.Flow.CreditsOrigin) {
    case gsInGameOptions:
        return services_.Flow.OriginScene;
    case gsEndingStory:
        return gsCredits;
    default:
        return gsMenu;
    }
}

void TCreditsScene::Frame() {
    if (!DrawWindowOver(services_.Host, Beneath(), window_)) return;
    const TPoint windowPos = window_.Position();
    DrawTitle(windowPos);
    DrawLines(windowPos);
    AdvanceLines();
    doneButton_.Draw(Opaque);
}

void TCreditsScene::DrawTitle(TPoint windowPos) const {
    DrawCentred(services_.GameText, services_.Texts.Credits(TitleLine),
                windowPos.X + WindowSize.X / 2, windowPos.Y + TitleTop, TitleRatio, Opaque);
}

void TCreditsScene::DrawLines(TPoint windowPos) const {
    const int centreX = windowPos.X + WindowSize.X / 2;
    for (int index = 0; index < lineCount_; ++index) {
        const float y = AreaTop + FadeBand + index * LineSpacing - scroll_;
        const float edge = std::min(y - AreaTop, AreaBottom - y);
        if (edge <= 0) continue;
        const int alpha = static_cast<int>(std::min(1.0f, edge / FadeBand) * Opaque);
        DrawCentred(services_.GameText, services_.Texts.Credits(FirstCreditLine + index), centreX,
                    windowPos.Y + static_cast<int>(y), LineRatio, alpha);
    }
}

// Once the last line has left the band at the top, the first comes up from the bottom again.
void TCreditsScene::AdvanceLines() {
    scroll_ += ScrollPerTick;
    const float lastLineGone = FadeBand + (lineCount_ - 1) * LineSpacing;
    if (scroll_ > lastLineGone) scroll_ = RestartScroll;
}

void TCreditsScene::Mouse(const TPlatformEvent& event) {
    RouteMouse(event, doneButton_);
}

std::vector<TKeyStop> TCreditsScene::KeyStops() const {
    std::vector<TKeyStop> stops;
    AddKeyStops(stops, doneButton_);
    for (TKeyStop& stop : stops) stop.Cancels = true;
    return stops;
}
