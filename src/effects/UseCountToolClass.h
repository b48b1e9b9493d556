#pragma once
// TUseCountTool: a tool that holds a number of uses (the magic key, the broom, the aerosol). A
// new one holds 3; collected items add one each, up to 9. A left press on its hook picks it up
// while a use remains; while it is carried a right press or a press on its put-back area returns
// it and any other left press applies it. Its count shows on a badge beside its hook.
#include "effects/PlayerToolClass.h"
#include "engine/AnimDataClass.h"
#include "engine/WidgetKinds.h"

#include <functional>
#include <string_view>

class TUseCountTool : public TPlayerTool {
public:
    // Whether the tool can act on a tile, and whether the tile is no cell at all.
    using TTileQuestion = std::function<void(TPoint tile, bool& usable, bool& isBlankTile)>;
    // The tile under the carried tool, and whether the tool could act on it.
    using TTilePosEvent = std::function<void(TPoint tile, bool usable)>;

    static constexpr int NewUses = 3;
    static constexpr int MostUses = 9;

    // False while the round is paused: the tool takes no mouse.
    bool Enabled = true;

    int Count() const { return count_; }
    // One more use, up to the most; False when the tool already holds the most.
    bool AddUse();
    void SetCount(int count);

    void MouseDown(int x, int y, TMouseButton button);
    void MouseMove(int x, int y);
    void UpdateAndDraw();

protected:
    explicit TUseCountTool(std::string_view picture) : picture_(picture) {}

    // Takes one use; False when none is left.
    bool SpendUse();
    virtual bool InPutBackArea(int x, int y) const { return OnHangPlace(x, y); }
    // A left press while carried, away from the put-back area.
    virtual void Apply(TPoint screen) = 0;
    // The pointer moved to this tile while the tool is carried.
    virtual void Hover(TPoint tile) { (void)tile; }
    // One tick of the tool acting on the board.
    virtual void StepApplying() = 0;
    virtual void DrawEffects() const {}

    // For the tools that act on one tile: the hovered tile reported with the answer.
    static void ReportTile(TPoint tile, const TTileQuestion& ask, const TTilePosEvent& report);
    // A press on the tile under `screen`: off the board the tool goes back; on a tile it can act
    // on one use is spent and True returned; on any other cell "DisabledTile" sounds.
    bool TakeTile(TPoint screen, const TTileQuestion& ask, TPoint& tile);

    // The tool's own picture sequence while it acts.
    TAnimData Anim;

private:
    void DrawCounter() const;

    std::string_view picture_;
    int count_ = NewUses;
};
