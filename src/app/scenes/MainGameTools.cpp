// The round's side of the player's tools: the magic key, the broom and the aerosol with their
// uses, the hammer, the bomb and the blaster paid for with energy, the hammer effects, and the
// tool items that fly from the board to their tools.
#include "app/scenes/MainGameScene.h"
#include "engine/SoundByName.h"

#include <string>

namespace {

// The level of island 1 that introduces the energy gauge.
constexpr int EnergyTipLevel = 4;

// The tool cabinet's hooks, top to bottom: the three counted tools, then the blaster, the bomb
// and, lowest beside the energy tube, the hammer.
constexpr int HookX = 84;
constexpr int FirstHookY = 128;
constexpr int HookSpacing = 86;
constexpr int LowestHook = 5;
constexpr TPoint HookPos(int hook) {
    return {HookX, FirstHookY + hook * HookSpacing};
}

int IndexOf(TNewToolKind kind) {
    return kind - tlHammer;
}

} // namespace

void TMainGameScene::WireTools() {
    MagicKey.HangPos = HookPos(0);
    Broom.HangPos = HookPos(1);
    Aerosol.HangPos = HookPos(2);
    for (TNewToolKind kind : {tlHammer, tlBomb, tlBlaster}) {
        TCollectorBombTool& tool = CollectorTools[IndexOf(kind)];
        tool.ToolKind = kind;
        tool.HangPos = HookPos(LowestHook - IndexOf(kind));
        WireCollectorTool(tool);
    }
    WireMagicKey();
    WireBroom();
    WireAerosol();
    ObjectHammer.OnHit = [this](TPoint tile) {
        Stars.StarsAt(tile);
        GameBoard.StartSmallShake(tile);
        GameBoard.HammerStrike(tile);
    };
    ToolHammer.OnHit = [this](TPoint tile) { StrikeWithHammer(tile); };
    GameBoard.OnHammerEffectRequest = [this](TPoint tile) { ObjectHammer.StartAt(tile); };
    GameBoard.OnAcquiredMagicKeysQuestion = [this](int& count) { count = MagicKey.Count(); };
    GameBoard.OnAcquiredBroomsQuestion = [this](int& count) { count = Broom.Count(); };
    GameBoard.OnAcquiredAerosolsQuestion = [this](int& count) { count = Aerosol.Count(); };
    GroupedElementsEffect.OnNewToolAcquired = [this](TPoint tilePos, int itemCode) {
        ToolItemCollected(tilePos, itemCode);
    };
    FlyingTools.OnArrived = [this](TToolKind kind) {
        if (TUseCountTool* tool = UseCountTool(kind)) tool->AddUse();
    };
    MannaEnergy.OnEnergyFactorReached = [this](uint8_t level) { EnergyReached(level); };
    MannaEnergy.OnBelowEnergyFactor = [this](uint8_t level) {
        for (int i = level - 1; i < static_cast<int>(energyReached_.size()); ++i)
            energyReached_[i] = false;
    };
}

void TMainGameScene::WireMagicKey() {
    MagicKey.OnTilePosChange = [this](TPoint tile, bool usable) {
        GameBoard.SelectTile(tile, usable ? 0 : 1);
    };
    MagicKey.OnObjectOpenableAsk = [this](TPoint tile, bool& openable, bool& isBlankTile) {
        openable = GameBoard.IsLocker(tile);
        isBlankTile = GameBoard.IsNoCell(tile);
    };
    MagicKey.OnTileClick = [this](TPoint tile) {
        if (GameBoard.IsLocker(tile)) GameBoard.OpenLocker(tile);
        if (GameBoard.HasWeb(tile)) GameBoard.TearWeb(tile);
        Stars.StarsAt(tile);
    };
}

void TMainGameScene::WireBroom() {
    Broom.OnTilePosChange = [this](TPoint tile, bool usable) {
        GameBoard.SelectTile(tile, usable ? 0 : 1);
    };
    Broom.OnObjectBroomableAsk = [this](TPoint tile, bool& broomable, bool& isBlankTile) {
        broomable = GameBoard.HasRemovableWeb(tile);
        isBlankTile = GameBoard.IsNoCell(tile);
    };
    Broom.OnTileBroomingFinished = [this](TPoint tile) {
        GameBoard.TearWeb(tile);
        GameBoard.CheckLockers();
        GameBoard.CheckMatches();
    };
    Broom.OnWebsLeftQuestion = [this](int& websLeft) { websLeft = GameBoard.WebCount(); };
}

void TMainGameScene::WireAerosol() {
    Aerosol.OnSpraySizeChange = [this](const TRect& rect) { SprayEnemies(rect); };
    Aerosol.OnEnemiesExistQuestion = [this](bool& enemiesExist) { enemiesExist = EnemiesExist(); };
}

void TMainGameScene::WireCollectorTool(TCollectorBombTool& tool) {
    const TNewToolKind kind = tool.ToolKind;
    tool.OnTilePosChange = [this, kind](TPoint tile, bool selectionEnabled, int& fruitColIdx) {
        GameBoard.SelectTile(tile, selectionEnabled ? 0 : 1);
        GameBoard.SetToolHighlight(tile, static_cast<uint8_t>(kind));
        if (kind == tlBlaster) fruitColIdx = selectionEnabled ? GameBoard.ElementCodeAt(tile) : 0;
    };
    tool.OnObjectOpenableAsk = [this, kind](TPoint tile, bool& openable, bool& isBlankTile) {
        openable = kind == tlBomb ? GameBoard.TileAt(tile).ObjectKind == okFruit
                                  : GameBoard.IsStrikable(tile);
        isBlankTile = GameBoard.IsNoCell(tile);
    };
    tool.OnClick = [this, kind](TPoint tile, TPoint toolPos) {
        CollectorToolUsed(kind, tile, toolPos);
    };
}

// The gauge pays first; the tool then acts.
void TMainGameScene::CollectorToolUsed(TNewToolKind kind, TPoint tile, TPoint toolPos) {
    MannaEnergy.Spend(static_cast<uint8_t>(kind));
    SyncCollectorTools();
    GameBoard.HideHint();
    GameBoard.ClearToolHighlight();
    switch (kind) {
    case tlHammer:
        ToolHammer.StartAt(tile);
        break;
    case tlBomb:
        ExplodeBombTool(tile);
        break;
    case tlBlaster:
        GameBoard.BlasterToolFire(tile, toolPos);
        break;
    default:
        break;
    }
}

void TMainGameScene::ToolItemCollected(TPoint tilePos, int itemCode) {
    GameBoard.RemoveTile(tilePos);
    const TToolKind kind = ToolKindOfItem(itemCode);
    if (const TUseCountTool* tool = UseCountTool(kind))
        FlyingTools.Start(kind, tilePos, tool->HangPos);
}

TUseCountTool* TMainGameScene::UseCountTool(TToolKind kind) {
    switch (kind) {
    case toMagicKey:
        return &MagicKey;
    case toBroom:
        return &Broom;
    case toAerosol:
        return &Aerosol;
    default:
        return nullptr;
    }
}

// ---- The round's start and end ----

// The counted tools keep their uses from round to round; items still flying arrive.
void TMainGameScene::ResetTools() {
    FlyingTools.Land();
    for (TUseCountTool* tool :
         {UseCountTool(toMagicKey), UseCountTool(toBroom), UseCountTool(toAerosol)}) {
        tool->PutDown();
        tool->Enabled = true;
    }
    for (TCollectorBombTool& tool : CollectorTools) tool.Reset();
    energyReached_ = {};
    toolsAccessible_ = false;
    ObjectHammer.Stop();
    ToolHammer.Stop();
    GameBoard.ClearToolHighlight();
}

// The first levels of the first island bring the collector tools in one by one.
void TMainGameScene::SetToolAvailability() {
    int available = 3;
    if (islandIdx_ == 1) {
        if (levelIdx_ == 1) available = 0;
        if (levelIdx_ == 2) available = 1;
        if (levelIdx_ == 3 || levelIdx_ == 4) available = 2;
    }
    for (int i = 0; i < static_cast<int>(CollectorTools.size()); ++i)
        CollectorTools[i].Available = i < available;
}

// The board is built: the collector tools may be reached.
void TMainGameScene::MakeCollectorToolsAccessible() {
    toolsAccessible_ = true;
    for (TCollectorBombTool& tool : CollectorTools) tool.Accessible = !gamePause_;
}

// TODO(presentation polish issue): the shuffle button's shine with the sound.
// On island 1, level 4, the first two shares have their tool tips.
void TMainGameScene::EnergyReached(uint8_t level) {
    for (int i = 0; i < level && i < static_cast<int>(energyReached_.size()); ++i)
        energyReached_[i] = true;
    if (islandIdx_ == 1 && levelIdx_ == EnergyTipLevel && (level == 1 || level == 2))
        EventToolTip(level == 1 ? teFirstEnergy : teSecondEnergy);
    if (level < 1 || level > CollectorTools.size() || !CollectorTools[level - 1].Available) return;
    PlaySound("MannaNotify" + std::to_string(level));
}

// A tool is usable while the gauge has reached its share and the counter can still pay for it,
// so a tool just paid for is not used again before the gauge has fallen.
void TMainGameScene::SyncCollectorTools() {
    for (int i = 0; i < static_cast<int>(CollectorTools.size()); ++i)
        CollectorTools[i].Enabled =
            energyReached_[i] && MannaEnergy.Covers(static_cast<uint8_t>(i + 1));
}

// A round that is over keeps its tools on their hooks.
void TMainGameScene::PauseTools(bool paused) {
    const bool usable = !paused && !RoundOver && !roundLost_;
    MagicKey.Enabled = usable;
    Broom.Enabled = usable;
    Aerosol.Enabled = usable;
    for (TCollectorBombTool& tool : CollectorTools) tool.Accessible = usable && toolsAccessible_;
}

// The round is over: every tool goes back to its hook and stays there.
void TMainGameScene::PutDownTools() {
    PauseTools(true);
    toolsAccessible_ = false;
    MagicKey.PutDown();
    Broom.PutDown();
    Aerosol.PutDown();
    for (TCollectorBombTool& tool : CollectorTools) {
        tool.PutDown();
        tool.Accessible = false;
    }
    GameBoard.ClearToolHighlight();
}

bool TMainGameScene::ToolHeld() const {
    bool held = MagicKey.Active() || Broom.Active() || Aerosol.Active();
    for (const TCollectorBombTool& tool : CollectorTools) held = held || tool.Active();
    return held;
}

// ---- Frame and input ----

void TMainGameScene::TickHammers() {
    ObjectHammer.Tick();
    ToolHammer.Tick();
}

void TMainGameScene::DrawTools() {
    SyncCollectorTools();
    for (TCollectorBombTool& tool : CollectorTools) tool.UpdateAndDraw();
    MagicKey.UpdateAndDraw();
    Broom.UpdateAndDraw();
    Aerosol.UpdateAndDraw();
    FlyingTools.Tick();
}

// One counted tool at a time: each takes the mouse only while neither other one is active.
void TMainGameScene::ToolsMouseDown(const TPlatformEvent& event) {
    const auto button = static_cast<TMouseButton>(event.Button);
    const bool key = MagicKey.Active(), broom = Broom.Active(), aerosol = Aerosol.Active();
    if (!broom && !aerosol) MagicKey.MouseDown(event.X, event.Y, button);
    if (!key && !aerosol) Broom.MouseDown(event.X, event.Y, button);
    if (!key && !broom) Aerosol.MouseDown(event.X, event.Y, button);
    for (TCollectorBombTool& tool : CollectorTools) tool.MouseDown(event.X, event.Y, button);
}

void TMainGameScene::ToolsMouseMove(const TPlatformEvent& event) {
    const bool key = MagicKey.Active(), broom = Broom.Active(), aerosol = Aerosol.Active();
    if (!broom && !aerosol) MagicKey.MouseMove(event.X, event.Y);
    if (!key && !aerosol) Broom.MouseMove(event.X, event.Y);
    if (!key && !broom) Aerosol.MouseMove(event.X, event.Y);
    for (TCollectorBombTool& tool : CollectorTools) tool.MouseMove(event.X, event.Y);
}

// ---- What the tools do to the board's pests ----

void TMainGameScene::SprayEnemies(const TRect& rect) {
    GameBoard.SprayWorms(rect);
    CrawlingSpiders.KnockOffInRect(rect);
    SprayBoss(rect);
}

bool TMainGameScene::EnemiesExist() const {
    return GameBoard.WormCount() > 0 || CrawlingSpiders.SpidersOnBoard() > 0 || BossToSpray();
}

TPoint TMainGameScene::TileCentre(TPoint tile) const {
    const TPoint origin = TileOrigin(GameBoard.Left, GameBoard.Top, tile.X, tile.Y);
    return {origin.X + TileSize / 2, origin.Y + TileSize / 2};
}

void TMainGameScene::StrikeWithHammer(TPoint tile) {
    GameBoard.HammerToolStrike(tile);
    CrawlingSpiders.KnockOffAtTile(tile);
    StrikeBossAt(TileCentre(tile));
}

void TMainGameScene::ExplodeBombTool(TPoint tile) {
    // The spiders in the blast are banned by the board's own report.
    GameBoard.BombToolExplode(tile);
}
