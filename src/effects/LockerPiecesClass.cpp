#include "effects/LockerPiecesClass.h"

#include "engine/GameGlobals.h"
#include "engine/ImageDrawing.h"
#include "engine/PictureNames.h"

#include <algorithm>
#include <cmath>

namespace {

// Where each piece starts inside its locker.
constexpr TPoint PieceOffsets[6] = {{3, 1}, {18, 2}, {27, 2}, {2, 12}, {2, 18}, {20, 19}};
constexpr int PieceInset = 2;
constexpr double StartFallSpeed = 10.5;
constexpr double Gravity = 1.62;
constexpr double SideDecay = 0.5;
constexpr double StartGlow = 30;
constexpr double GlowStep = 1.6;
constexpr double GlowOut = 4;
constexpr double SpinStep = 10;
constexpr int SideSpeedSteps = 5; // 0..4 times two pixels either way
constexpr double BaseImpulse = -12;

} // namespace

void TLockerPieces::StartPieces(const TBoardData& boardDataTmp,
                                const TSimpleObjectArray& lockersToOpen) {
    ForEachMaskedCell(lockersToOpen, [&](TPoint tile) {
        for (uint8_t k = 1; k <= MaxPieceIdx; ++k) Spawn(tile, boardDataTmp(tile).LockerColor, k);
    });
}

void TLockerPieces::Spawn(TPoint tile, uint8_t colour, uint8_t pieceIdx) {
    TPiece& piece = pieces_[pieces_.Take([this](int oldest) { pieces_[oldest] = {}; })];
    const TPoint cell = TileScreenPos(tile);
    const TPoint offset = pieceIdx <= 6 ? PieceOffsets[pieceIdx - 1] : TPoint{};
    piece = {};
    piece.State = TPiece::psWaiting;
    piece.Colour = colour;
    piece.PieceIdx = pieceIdx;
    piece.X = cell.X + PieceInset + offset.X;
    piece.Y = cell.Y + PieceInset + offset.Y;
    piece.FallSpeed = StartFallSpeed;
    const double side = 2.0 * Random(SideSpeedSteps);
    piece.SideSpeed = Random(2) == 0 ? side : -side;
    piece.Impulse = BaseImpulse - 2.0 * Random(SideSpeedSteps);
    piece.Glow = StartGlow;
}

void TLockerPieces::Tick() {
    if (!Visible) return;
    for (int i = 0; i < Capacity; ++i) {
        TPiece& piece = pieces_[i];
        if (piece.State == TPiece::psWaiting) {
            piece.WaitedMs += GameTickMs;
            piece.State = TPiece::psFlying;
        } else if (piece.State == TPiece::psFlying) {
            Fly(piece);
        }
        if (piece.Running()) Draw(piece);
    }
}

void TLockerPieces::Fly(TPiece& piece) {
    piece.FallSpeed += Gravity;
    piece.SideSpeed = DecayedTowardsZero(piece.SideSpeed, SideDecay);
    piece.Impulse = DecayedTowardsZero(piece.Impulse, Gravity);
    piece.X += piece.SideSpeed;
    piece.Y += piece.FallSpeed + piece.Impulse;
    piece.Angle = std::fmod(piece.Angle + SpinStep, 360.0);
    piece.Glow -= GlowStep;
    if (piece.Glow < GlowOut) piece.Glow = 0;
    if (piece.Y > GameSpace.Height) piece.State = TPiece::psIdle;
}

// A piece shows as a small splinter of its locker's wood, glowing while it is fresh.
void TLockerPieces::Draw(const TPiece& piece) const {
    if (piece.Colour < 1 || piece.Colour > 3) return;
    const float scaleX = static_cast<float>(OrigPieceWidth) / (2 * TileSize);
    const float scaleY = static_cast<float>(OrigPieceHeight) / (2 * TileSize);
    DrawImage(Pictures::Locker, RoundHalfEven(piece.X), RoundHalfEven(piece.Y),
              static_cast<float>(piece.Angle), 0.5f, 0.5f, scaleX, scaleY, 255, 255, 255, 255,
              piece.Colour - 1);
    if (piece.Glow > 0)
        DrawImageBlend(Pictures::Locker, RoundHalfEven(piece.X), RoundHalfEven(piece.Y),
                       static_cast<float>(piece.Angle), 0.5f, 0.5f, scaleX, scaleY, 255, 255, 255,
                       static_cast<uint8_t>(std::min(255.0, piece.Glow * 8)), piece.Colour - 1,
                       BlendAdditiveAlpha);
}

void TLockerPieces::Clear() {
    for (int i = 0; i < Capacity; ++i) pieces_[i] = {};
}
