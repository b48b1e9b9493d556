#pragma once
// The controller on the null platform: a program folder of its own with a first level, the
// recording devices, a hand-driven clock, and mouse input in board terms.
#include "TempFolder.h"
#include "app/NullPlatform.h"
#include "app/UMain.h"
#include "board/LevelFile.h"
#include "engine/GameGlobals.h"

#include <gtest/gtest.h>
#include <memory>

// Gathering targets of the test level, by element code 1..8.
struct TLevelTargets {
    int Codes[9]{};
};

// A normal level like the first one: a 9 x 8 field of five fruits.
inline TLevelRecord FieldLevel(const TLevelTargets& targets) {
    TLevelRecord level;
    level[lfObjective] = goNormalMode;
    for (int code = ecFirstFruit; code <= ecLastFruit; ++code)
        level[*TargetFieldOfCode(code)] = targets.Codes[code];
    level[lfTime] = 180;
    level[lfFullRequiredFruits] = 120;
    for (int code = 1; code <= 5; ++code) level.ElementSet.Include(code);
    for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y) {
            TBoardTile& tile = level.Board(x, y);
            const bool inField = x >= 4 && x <= 12 && y >= 3 && y <= 10;
            tile.ObjectKind = inField ? okFruit : okUnused;
            tile.BackgroundStyle = inField ? static_cast<uint8_t>((x + y) % 2) : 0;
        }
    return level;
}

struct TFormRig {
    TTempFolder Folder;
    TNullPlatform Platform;
    std::unique_ptr<TFormMain> Form;

    // Seeds the generator, writes the level, builds the controller and starts the round on
    // the level, the logos, the splash and the objective skipped.
    explicit TFormRig(const char* name, uint64_t seed, const TLevelTargets& targets = {})
        : TFormRig(FieldLevel(targets), name, seed) {}
    // The same on a level of the test's own.
    TFormRig(const TLevelRecord& level, const char* name, uint64_t seed) : Folder(name) {
        SetRandomSeed(seed);
        for (const char* content : {"Images", "Texts", "Sounds", "Voices", "Music"})
            Folder.Path(content);
        WriteLevelFile(Folder.Path("Levels") + "Level1-01.zel", level);
        Form = std::make_unique<TFormMain>(Platform.For(Folder.Path(), Folder.Path() + "err.log"));
        Form->LoadMainPictures();
        if (!Form->StartLevel(1, 1)) ADD_FAILURE() << "the rig's level did not start";
        Form->MainGame().ObjectiveInfo.Skip();
    }
    ~TFormRig() {
        Form.reset();
        ReleaseRandomSeed();
    }

    // One loop pass a frame later: queued input first, then exactly one tick.
    void Tick() {
        Platform.Clock.AdvanceMs(31);
        Form->RunLoopPass();
    }
    void Ticks(int count) {
        for (int i = 0; i < count; ++i) Tick();
    }

    TPoint TileCentre(TPoint tile) const {
        const TGameBoard& board = Form->MainGame().GameBoard;
        const TPoint origin = TileOrigin(board.Left, board.Top, tile.X, tile.Y);
        return {origin.X + TileSize / 2, origin.Y + TileSize / 2};
    }
    void Mouse(TEventKind kind, TPoint at, int button = 0) { Platform.PushMouse(kind, at, button); }
    // Press on a tile, move across it onto the other one, release there.
    void Drag(TPoint from, TPoint to) {
        const TPoint start = TileCentre(from);
        const TPoint end = TileCentre(to);
        Mouse(TEventKind::MouseDown, start);
        Mouse(TEventKind::MouseMove, {(start.X + end.X) / 2, (start.Y + end.Y) / 2});
        Mouse(TEventKind::MouseMove, end);
        Mouse(TEventKind::MouseUp, end);
    }
};
