// The round played with keys or a game controller: the arrows move a cursor over the board,
// Enter or Space press the tile under it, the number keys take the cabinet's tools down in their
// hooks' order and the tool then follows the cursor. Every action is the mouse's own press at the
// cursor's tile, so the board and the tools answer exactly as they do to the mouse.
#include "app/scenes/MainGameScene.h"
#include "engine/ImageDrawing.h"
#include "engine/PictureNames.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr uint8_t EnterChar = 13;
constexpr uint8_t EscapeChar = 27;
constexpr uint8_t SpaceChar = ' ';
constexpr char FirstToolDigit = '1';
// Where the cursor starts in a new round: the middle of the board.
constexpr TPoint BoardMiddle{(BoardColumns + 1) / 2, (BoardRows + 1) / 2};
// The selection's frame lies this far from its cell's corner.
constexpr TPoint SelectionOffset{-1, -2};
// The focus ring: the selection's frame drawn larger in a dark tint around the golden one, so it
// stands out on light and dark tiles alike, breathing in and out.
constexpr float RingScaleLow = 1.14f;
constexpr float RingScaleHigh = 1.24f;
constexpr float RingSwingPerTick = 0.12f;
constexpr uint8_t RingRed = 20;
constexpr uint8_t RingGreen = 40;
constexpr uint8_t RingBlue = 110;

TPlatformEvent PressAt(TPoint at, TMouseButton button) {
    TPlatformEvent event;
    event.Kind = TEventKind::MouseDown;
    event.X = at.X;
    event.Y = at.Y;
    event.Button = button;
    return event;
}

TPoint StepOf(TKey key) {
    switch (key) {
    case TKey::Up:
        return {0, -1};
    case TKey::Down:
        return {0, 1};
    case TKey::Left:
        return {-1, 0};
    default:
        return {1, 0};
    }
}

} // namespace

void TMainGameScene::ResetKeyCursor() {
    keyCursor_ = BoardMiddle;
    keyCursorShown_ = false;
    swallowChar_ = 0;
}

// The mouse takes over: the cursor hides and keeps the tile the mouse points at, so the keys
// go on from where the player was looking.
void TMainGameScene::MouseTakesOver(const TPlatformEvent& event) {
    keyCursorShown_ = false;
    const TPoint tile = ScreenToTile(GameBoard.Left, GameBoard.Top, event.X, event.Y);
    if (!GameBoard.IsNoCell(tile)) keyCursor_ = tile;
}

// The keys play only a running round whose board shows.
bool TMainGameScene::KeysPlayable() const {
    return playStarted_ && !RoundOver && !roundLost_ && !gamePause_ && GameBoard.Visible &&
           GameBoard.CanDraw;
}

bool TMainGameScene::BoardKey(const TPlatformEvent& event) {
    if (event.Kind == TEventKind::KeyPress) {
        const bool swallowed = swallowChar_ != 0 && event.Char == swallowChar_;
        swallowChar_ = 0;
        if (swallowed) return true;
        const int number = event.Char - FirstToolDigit + 1;
        if (number < 1 || number > static_cast<int>(CabinetTools().size())) return false;
        if (KeysPlayable()) TakeToolByNumber(number);
        return true;
    }
    if (event.Kind != TEventKind::KeyDown || event.Alt) return false;
    swallowChar_ = 0;
    switch (event.Key) {
    case TKey::Menu:
        if (InGameMenuButton.Enabled && OnInGameMenu) OnInGameMenu();
        return true;
    case TKey::Up:
    case TKey::Down:
    case TKey::Left:
    case TKey::Right:
        if (!KeysPlayable()) return false;
        // The first key only shows where the cursor is.
        if (keyCursorShown_)
            MoveKeyCursor(StepOf(event.Key));
        else
            ShowKeyCursor();
        return true;
    case TKey::Enter:
    case TKey::Space:
        // The objective scene hands its keys on: the key cuts the panel short as a press does.
        if (ObjectiveInfo.Phase() == opShown) {
            ObjectiveInfo.Press();
            swallowChar_ = event.Key == TKey::Enter ? EnterChar : SpaceChar;
            return true;
        }
        if (!KeysPlayable()) return false;
        if (keyCursorShown_)
            PressAtKeyCursor();
        else
            ShowKeyCursor();
        swallowChar_ = event.Key == TKey::Enter ? EnterChar : SpaceChar;
        return true;
    case TKey::Escape:
        if (!CancelByKey()) return false;
        swallowChar_ = EscapeChar;
        return true;
    default:
        return false;
    }
}

void TMainGameScene::ShowKeyCursor() {
    keyCursor_ = NearestPlayableCell(keyCursor_);
    keyCursorShown_ = true;
    keyCursorTicks_ = 0;
    if (ToolHeld()) ToolsMouseMove(PressAt(TileCentre(keyCursor_), mbLeft));
}

// A board whose middle is a hole or a stone shows the cursor on the nearest fruit instead.
TPoint TMainGameScene::NearestPlayableCell(TPoint from) const {
    if (GameBoard.IsPlayableCell(from)) return from;
    TPoint nearest = from;
    int nearestDistance = std::numeric_limits<int>::max();
    for (int y = 1; y <= BoardRows; ++y)
        for (int x = 1; x <= BoardColumns; ++x) {
            const int distance = (x - from.X) * (x - from.X) + (y - from.Y) * (y - from.Y);
            if (distance < nearestDistance && GameBoard.IsPlayableCell({x, y})) {
                nearest = {x, y};
                nearestDistance = distance;
            }
        }
    return nearest;
}

// The cursor goes to the next cell in the direction, over holes; at the board's edge it stays.
void TMainGameScene::MoveKeyCursor(TPoint step) {
    TPoint next{keyCursor_.X + step.X, keyCursor_.Y + step.Y};
    while (IsBoardCell(next) && GameBoard.IsNoCell(next)) {
        next.X += step.X;
        next.Y += step.Y;
    }
    if (!IsBoardCell(next)) return;
    keyCursor_ = next;
    // A carried tool follows the cursor as it follows the mouse.
    ToolsMouseMove(PressAt(TileCentre(keyCursor_), mbLeft));
}

// A click at the cursor's tile: it selects, swaps with the selected neighbour, or applies the
// tool in hand.
void TMainGameScene::PressAtKeyCursor() {
    TPlatformEvent press = PressAt(TileCentre(keyCursor_), mbLeft);
    MouseDown(press);
    press.Kind = TEventKind::MouseUp;
    MouseUp(press);
}

// The cabinet's tools from the top hook down: the number keys' order, whether or not the level
// offers each.
std::vector<TPlayerTool*> TMainGameScene::CabinetTools() {
    std::vector<TPlayerTool*> tools{&MagicKey, &Broom, &Aerosol};
    for (TCollectorBombTool& tool : CollectorTools) tools.push_back(&tool);
    std::ranges::stable_sort(tools, {}, [](const TPlayerTool* tool) { return tool->HangPos.Y; });
    return tools;
}

// The tool's number again, or another tool's, puts the carried one back first; the tool is then
// taken from its hook as a click there would, and brought to the cursor.
void TMainGameScene::TakeToolByNumber(int number) {
    TPlayerTool* wanted = CabinetTools()[static_cast<size_t>(number - 1)];
    const bool wantedCarried = wanted->Phase() == TPlayerTool::tpCarried;
    if (!keyCursorShown_) ShowKeyCursor();
    PutBackCarriedTool();
    if (wantedCarried) return;
    ToolsMouseDown(PressAt(wanted->HangPos, mbLeft));
    if (ToolHeld()) ToolsMouseMove(PressAt(TileCentre(keyCursor_), mbLeft));
}

// Only a tool in the hand goes back; one acting on the board finishes first.
bool TMainGameScene::PutBackCarriedTool() {
    const std::vector<TPlayerTool*> tools = CabinetTools();
    if (std::ranges::none_of(
            tools, [](const TPlayerTool* tool) { return tool->Phase() == TPlayerTool::tpCarried; }))
        return false;
    ToolsMouseDown(PressAt(TileCentre(keyCursor_), mbRight));
    return true;
}

// Escape (a controller's B) puts a carried tool back, then drops a selection made with the keys;
// otherwise it is the round's own (the in-game menu).
bool TMainGameScene::CancelByKey() {
    if (PutBackCarriedTool()) return true;
    if (!keyCursorShown_ || !GameBoard.IsSelectionVisible()) return false;
    GameBoard.SelectTile({}, 0);
    return true;
}

void TMainGameScene::DrawKeyCursor() {
    if (!keyCursorShown_ || !KeysPlayable()) return;
    ++keyCursorTicks_;
    const float swing = (1 - std::cos(keyCursorTicks_ * RingSwingPerTick)) / 2;
    const float scale = RingScaleLow + swing * (RingScaleHigh - RingScaleLow);
    const TPoint cell = TileOrigin(GameBoard.Left, GameBoard.Top, keyCursor_.X, keyCursor_.Y);
    const int x = cell.X + SelectionOffset.X;
    const int y = cell.Y + SelectionOffset.Y;
    DrawImage(Pictures::TileSelection, x, y, 0, 0.5f, 0.5f, scale, scale, RingRed, RingGreen,
              RingBlue, 255, 0);
    DrawImage(Pictures::TileSelection, x, y, 0, 0, 0, 1, 1, 255, 255, 255, 255, 0);
    DrawImageBlend(Pictures::TileSelection, x, y, 0, 0, 0, 1, 1, 255, 255, 255,
                   static_cast<uint8_t>(255 * swing), 0, BlendAdditiveAlpha);
}
