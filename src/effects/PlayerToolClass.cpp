#include "effects/PlayerToolClass.h"

#include "engine/GameGlobals.h"
#include "engine/ImageDrawing.h"

#include <cmath>

void TPlayerTool::PutDown() {
    phase_ = tpHanging;
    pos_ = HangPos;
    returnTimer_ = 0;
}

bool TPlayerTool::OnHangPlace(int x, int y) const {
    constexpr int Half = HangBoxSize / 2;
    return x >= HangPos.X - Half && x < HangPos.X + Half && y >= HangPos.Y - Half &&
           y < HangPos.Y + Half;
}

void TPlayerTool::PickUp(int x, int y) {
    phase_ = tpCarried;
    pos_ = {x, y};
}

void TPlayerTool::Return() {
    phase_ = tpWaiting;
    returnTimer_ = 0;
}

void TPlayerTool::Follow(int x, int y) {
    if (phase_ == tpCarried) pos_ = {x, y};
}

TPoint TPlayerTool::TileUnder(TPoint screen) {
    const TPoint origin = BoardScreenOrigin();
    return ScreenToTile(origin.X, origin.Y, screen.X, screen.Y);
}

void TPlayerTool::StepReturn() {
    TPoint& pos = pos_;
    if (phase_ == tpWaiting && AdvanceTickTimer(returnTimer_, IdleReturnTime)) phase_ = tpGliding;
    if (phase_ != tpGliding) return;
    const double dx = HangPos.X - pos.X, dy = HangPos.Y - pos.Y;
    const double distance = std::hypot(dx, dy);
    // A tool already home has arrived, whatever the distance.
    if (distance <= GlideStep) {
        PutDown();
        return;
    }
    pos.X += static_cast<int>(std::lround(dx / distance * GlideStep));
    pos.Y += static_cast<int>(std::lround(dy / distance * GlideStep));
}

void DrawCentred(std::string_view picture, TPoint centre, float scale, uint8_t alpha, int pattern) {
    DrawImage(picture, centre.X - ImageTileWidth(picture) / 2,
              centre.Y - ImageTileHeight(picture) / 2, 0, 0.5f, 0.5f, scale, scale, 255, 255, 255,
              alpha, pattern);
}

void TPlayerTool::DrawTool(std::string_view picture, int pattern, uint8_t alpha) const {
    DrawCentred(picture, Pos(), 1, alpha, pattern);
}
