#pragma once
// TCollectorBombTool: the hammer, the bomb or the blaster, paid for with energy. It takes the
// mouse only while it is Available in the level and Accessible (the board is built and the
// round not paused), and can be picked up only while Enabled (the energy gauge has reached its
// share). Carried, it highlights what it would strike; a press on a tile it can act on puts it
// down and reports the tile.
#include "effects/PlayerToolClass.h"
#include "engine/WidgetKinds.h"

#include <functional>

class TCollectorBombTool : public TPlayerTool {
public:
    TNewToolKind ToolKind = tlHammer;
    bool Available = true;
    bool Accessible = false;
    bool Enabled = false;

    std::function<void()> OnPick;
    // The tile under the carried tool; the blaster answers the code its wave would take.
    std::function<void(TPoint tile, bool selectionEnabled, int& fruitColIdx)> OnTilePosChange;
    std::function<void(TPoint tile, bool& openable, bool& isBlankTile)> OnObjectOpenableAsk;
    std::function<void(TPoint tile, TPoint toolPos)> OnClick;

    // Back on its hook, neither enabled nor accessible.
    void Reset();
    void MouseDown(int x, int y, TMouseButton button);
    void MouseMove(int x, int y);
    void UpdateAndDraw();
    // The element code the carried blaster would take (0 for none).
    int FruitColIdx() const { return fruitColIdx_; }

private:
    bool TakesMouse() const { return Available && Accessible; }
    // Asks about the tile under the pointer and reports it.
    void Examine(TPoint tile, bool& openable, bool& blank);
    int Pattern() const;
    void PutBack();

    int fruitColIdx_ = 0;
    int glowTicks_ = 0;
};
