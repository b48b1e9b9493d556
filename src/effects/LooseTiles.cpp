#include "effects/LooseTiles.h"

#include "board/BoardTileDrawing.h"
#include "effects/EffectPattern.h"
#include "engine/GameGlobals.h"

#include <algorithm>
#include <cmath>

namespace {

// The edge points as first laid out on a smaller screen, stretched onto the game area.
constexpr TPoint SketchedEdgePoints[29] = {
    {13, 8},     {6, 121},    {10, 235},   {7, 346},    {6, 454},    {7, 567},
    {11, 679},   {84, 750},   {217, 756},  {338, 755},  {454, 755},  {569, 757},
    {677, 752},  {797, 757},  {902, 753},  {1010, 691}, {1016, 581}, {1015, 470},
    {1014, 372}, {1011, 255}, {1006, 137}, {1001, 28},  {887, 3},    {769, 1},
    {641, 2},    {488, 8},    {373, 5},    {251, 11},   {130, 8}};
constexpr TPoint SketchOrigin{113, 83};
constexpr double StretchX = 1.7;
constexpr double StretchY = 1.28;

} // namespace

void DrawLooseTile(const TBoardTile& tile, int x, int y, uint8_t uniFruitCode,
                   bool backgroundUnderLockers) {
    if (!TakesPartInBoardEffects(tile)) return;
    if (tile.ObjectKind != okLocker || backgroundUnderLockers) DrawTileBackground(tile, x, y);
    TTileLook look;
    look.UniFruitCode = uniFruitCode;
    DrawTileObject(tile, x, y, look);
    DrawTileCovers(tile, x, y);
}

const std::array<TPoint, 29>& TThrownTiles::EdgePoints() {
    static const std::array<TPoint, 29> points = [] {
        std::array<TPoint, 29> stretched{};
        for (size_t i = 0; i < stretched.size(); ++i)
            stretched[i] = {RoundHalfEven(StretchX * (SketchedEdgePoints[i].X - SketchOrigin.X)),
                            RoundHalfEven(StretchY * (SketchedEdgePoints[i].Y - SketchOrigin.Y))};
        return stretched;
    }();
    return points;
}

void TThrownTiles::ThrowFromCells() {
    for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y) {
            TThrownTile& tile = Tiles(x, y);
            const TPoint cell = TileScreenPos({x, y});
            tile.X = cell.X;
            tile.Y = cell.Y;
            const auto& points = EdgePoints();
            AimAt(tile, points[Random(static_cast<int>(points.size()))]);
        }
}

void TThrownTiles::AimAtCells() {
    for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y) AimAt(Tiles(x, y), TileScreenPos({x, y}));
}

void TThrownTiles::AimAt(TThrownTile& tile, TPoint target) {
    tile.TargetX = target.X;
    tile.TargetY = target.Y;
    const TAxisSpeeds speeds =
        SpeedsArrivingTogether(target.X - tile.X, target.Y - tile.Y, ThrowSpeed);
    tile.SpeedX = speeds.X;
    tile.SpeedY = speeds.Y;
}

bool TThrownTiles::Step() {
    for (auto& column : Tiles.Cells)
        for (TThrownTile& tile : column) {
            tile.X = MovedTowards(tile.X, tile.TargetX, tile.SpeedX);
            tile.Y = MovedTowards(tile.Y, tile.TargetY, tile.SpeedY);
        }
    return AllArrived();
}

bool TThrownTiles::AllArrived() const {
    for (const auto& column : Tiles.Cells)
        for (const TThrownTile& tile : column)
            if (RoundHalfEven(tile.X) != tile.TargetX || RoundHalfEven(tile.Y) != tile.TargetY)
                return false;
    return true;
}

TPoint TThrownTiles::Position(int x, int y) const {
    return {RoundHalfEven(Tiles(x, y).X), RoundHalfEven(Tiles(x, y).Y)};
}

void TThrownTiles::Draw(const TBoardData& board, uint8_t uniFruitCode,
                        const std::function<TPoint()>& jitter) const {
    for (int x = BoardColumns; x >= 1; --x)
        for (int y = 1; y <= BoardRows; ++y) {
            if (!TakesPartInBoardEffects(board(x, y))) continue;
            const TPoint at = Position(x, y);
            const TPoint shake = jitter();
            DrawLooseTile(board(x, y), at.X + shake.X, at.Y + shake.Y, uniFruitCode, false);
        }
}
