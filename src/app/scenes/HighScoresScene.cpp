#include "app/scenes/HighScoresScene.h"

#include "app/PlayerSession.h"
#include "app/scenes/SceneInput.h"
#include "app/scenes/SceneWindows.h"
#include "engine/ImageDrawing.h"
#include "engine/PictureNames.h"

namespace {

constexpr int WindowHidingYPos = -THighScoresScene::WindowSize.Y;
// Row i's picture and rank n's line stand RowHeight * i (or n) below RowsTop on the window.
constexpr int RowsTop = 50;
constexpr int RowHeight = 45;
constexpr int RowPictureLeft = 52;
constexpr int LineLeft = 72;
constexpr int RowPictures = 4;
constexpr uint8_t LineAlpha = 245;
// A line's place is its top; the font places text by its middle.
constexpr int LineShift = 8;
// OK sits on the window's bottom edge, under the fifth line.
constexpr TPoint OkOffset{126, 296};

} // namespace

THighScoresScene::THighScoresScene(const TGameServices& services) : services_(services) {
    window_.OnPosUpdate = [this](TPoint pos) { PlaceButton(okButton_, pos, OkOffset); };
    window_.OnHidingComplete = [this] { services_.Scene.SetValue(gsMenu); };
    PrepareWindow(window_, Pictures::HighScoresWindow, CentredRest(WindowSize), services_.Pictures,
                  WindowHidingYPos);
    okButton_.ImageName = Pictures::WindowOKButton;
    okButton_.OnClick = [this] {
        if (window_.State() == mwsShown || window_.State() == mwsShowing) window_.Hide();
    };
}

void THighScoresScene::TakeSizes() {
    okButton_.TakeSize();
}

void THighScoresScene::Enter(TGameSceneValues) {
    window_.Show();
}

std::string THighScoresScene::Line(int rank) const {
    const THighScoresRecord& table = services_.Player.HighScores.Table();
    const auto width = [this](const std::string& text) {
        return static_cast<double>(services_.GameText.TextWidth(text, NoSpacing, LineRatio));
    };
    return HighScoreLine(rank, table.Names[rank - 1], table.Scores[rank - 1], width);
}

void THighScoresScene::Frame() {
    if (!DrawWindowOver(services_.Host, gsMenu, window_)) return;
    DrawTable(window_.Position());
    okButton_.Draw(Opaque);
}

void THighScoresScene::DrawTable(TPoint windowPos) const {
    for (int row = 1; row <= RowPictures; ++row)
        DrawImage(Pictures::HighScoreLine, windowPos.X + RowPictureLeft,
                  windowPos.Y + RowsTop + RowHeight * row, 0, 0, 0, 1, 1, Opaque, Opaque, Opaque,
                  Opaque, 0);
    for (int rank = 1; rank <= static_cast<int>(HighScoreRanks); ++rank)
        services_.GameText.DrawText(
            windowPos.X + LineLeft, windowPos.Y + RowsTop + RowHeight * rank + LineShift,
            Line(rank), LineRatio, NoSpacing, LineAlpha, NoWidthLimit, TextBlack);
}

void THighScoresScene::Mouse(const TPlatformEvent& event) {
    RouteMouse(event, okButton_);
}

std::vector<TKeyStop> THighScoresScene::KeyStops() const {
    std::vector<TKeyStop> stops;
    AddKeyStops(stops, okButton_);
    for (TKeyStop& stop : stops) stop.Cancels = true;
    return stops;
}
