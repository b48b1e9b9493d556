#pragma once
// Grids drawn as text and a stand-in for the controller, so board tests read like the board.
#include "board/GameBoardClass.h"
#include "engine/GameGlobals.h"
#include "engine/SoundByName.h"

#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

// Codes 1..4 in 2x2 blocks: no line and no possible move anywhere.
inline TBoardData QuietGrid() {
    TBoardData grid;
    for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y) {
            TBoardTile& tile = grid(x, y);
            tile.ObjectKind = okFruit;
            tile.LockerColor = 1;
            tile.ElementCode = static_cast<uint8_t>(((x - 1) % 2) * 2 + (y - 1) % 2 + 1);
            tile.BlasterCode = 1;
        }
    return grid;
}

// Text rows laid over the quiet grid from row 1, one character a cell:
//   '.' keep the quiet tile   '1'..'9' element code   'P' 'Q' potions 17 and 18
//   'A' 'B' 'C' lockers of colour 1..3 (hiding code 9)   'x' no cell   'o' a visible hole
//   '_' an empty cell   '#' a blocker   'U' uni fruit   'H' hammer   'M' multi bubble
//   'F' found flower   'K' magic key item
inline TBoardData GridOf(std::initializer_list<const char*> rows, TBoardData grid = QuietGrid()) {
    int y = 1;
    for (const char* row : rows) {
        for (int x = 1; x <= BoardColumns && row[x - 1] != 0; ++x) {
            TBoardTile& tile = grid(x, y);
            const char c = row[x - 1];
            if (c == '.') continue;
            tile = TBoardTile{};
            tile.ObjectKind = okFruit;
            tile.LockerColor = 1;
            tile.BlasterCode = 1;
            if (c >= '1' && c <= '9') {
                tile.ElementCode = static_cast<uint8_t>(c - '0');
            } else if (c == 'P' || c == 'Q') {
                tile.ElementCode = c == 'P' ? ecPotion1 : ecPotion2;
            } else if (c >= 'A' && c <= 'C') {
                tile.ObjectKind = okLocker;
                tile.LockerColor = static_cast<uint8_t>(c - 'A' + 1);
                tile.ElementCode = 9;
            } else if (c == 'x' || c == 'o') {
                tile.ObjectKind = okUnused;
                tile.BackgroundStyle = c == 'o' ? 1 : 0;
            } else if (c == '_') {
                tile.ObjectKind = okTempBlank;
            } else if (c == '#') {
                tile.ObjectKind = okBlocker;
            } else {
                const char* specials = "UHMFK";
                const uint8_t codes[] = {ecUniFruit, ecHammerObject, ecMultiBubble, ecFoundFlower,
                                         ecMagicKeyItem};
                tile.ElementCode = codes[std::strchr(specials, c) - specials];
            }
        }
        ++y;
    }
    return grid;
}

// Every sound the board plays, by name, while it lives.
struct TSoundLog : TNamedSoundTarget {
    std::vector<std::string> Played;
    TSoundLog() { SetEffectSoundTarget(this); }
    ~TSoundLog() override { SetEffectSoundTarget(nullptr); }
    void Play(std::string_view name) override { Played.emplace_back(name); }
};

inline bool SameTile(const TBoardTile& a, const TBoardTile& b) {
    return std::memcmp(&a, &b, sizeof(TBoardTile)) == 0;
}

inline int CountSet(const TSimpleObjectArray& map) {
    int count = 0;
    for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y) count += map(x, y) != 0;
    return count;
}

inline TSimpleObjectArray MapOf(std::initializer_list<TPoint> cells) {
    TSimpleObjectArray map;
    for (TPoint cell : cells) map(cell) = 1;
    return map;
}

// Records every request of the board and, when Complete is on, plays the controller: each
// effect ends on the tick after its request and its result goes back to the board.
struct TBoardHarness {
    // Seeds the generator before the board is made: the board draws from it when created.
    struct TSeed {
        explicit TSeed(uint64_t seed) { SetRandomSeed(seed); }
    } Seed;
    TGameBoard Board;
    std::vector<TSimpleObjectArray> Grouped;
    std::vector<bool> GroupedByBlaster;
    std::vector<bool> GroupedWithCombos;
    std::vector<TSimpleObjectArray> Openings;
    std::vector<TSimpleObjectArray> Falling;
    std::vector<TSwappedObjectsData> Swaps;
    std::vector<bool> SwapMatches;
    std::vector<TPoint> Webs;
    std::vector<std::pair<TPoint, int>> Chains;
    std::vector<TPoint> WormBans;
    std::vector<TPoint> Stars;
    std::vector<TPoint> RestoreRequests;
    std::vector<TSimpleObjectArray> Frames;
    int NoMoreMoves = 0;
    int ManualMatches = 0;
    bool Complete = false;
    std::vector<std::function<void()>> Due;

    explicit TBoardHarness(const TBoardData& grid, uint64_t seed = 1234) : Seed(seed) {
        Board.SetBoardData(grid);
        Board.OnGroupedElementsEffectRequest =
            [this](const TBoardData&, const TSimpleObjectArray& map, bool combos, bool byBlaster) {
                Grouped.push_back(map);
                GroupedWithCombos.push_back(combos);
                GroupedByBlaster.push_back(byBlaster);
                Later([this, map] {
                    Board.GroupedElementsRemoved(map);
                    Board.DetonateFruitBombs(map);
                });
            };
        Board.OnOpeningLockersEffectRequest = [this](const TBoardData&,
                                                     const TSimpleObjectArray& map) {
            Openings.push_back(map);
            if (CountSet(map) > 0)
                Later([this, map] {
                    Board.LockersOpened(map);
                    Board.CheckMatches();
                });
        };
        Board.OnFallingElementsEffectRequest =
            [this](const TBoardData&, const TSimpleObjectArray& map) { Falling.push_back(map); };
        Board.OnSwapEffectRequest = [this](const TSwappedObjectsData& data, bool match) {
            Swaps.push_back(data);
            SwapMatches.push_back(match);
            Later([this, data] {
                if (SwapMatches.back())
                    Board.ApplySwap(data.Object1Pos, data.Object2Pos);
                else
                    Board.CancelSwap(data.Object1Pos, data.Object2Pos);
                if (data.ObjectKind[0] == okLocker)
                    Board.CheckLockers();
                else
                    Board.CheckMatches();
            });
        };
        Board.OnHammeredObjectsEffectRequest = [this](const TBoardData&,
                                                      const TSimpleObjectArray&) {
            Later([this] { Board.HammeredTilesRemoved(); });
        };
        Board.OnWebEffectRequest = [this](TPoint pos) { Webs.push_back(pos); };
        Board.OnChainLockEffectRequest = [this](TPoint pos, uint8_t level) {
            Chains.push_back({pos, level});
        };
        Board.OnAFruitWormBanRequest = [this](TPoint pos) { WormBans.push_back(pos); };
        Board.OnStarsEffectRequest = [this](TPoint pos) { Stars.push_back(pos); };
        Board.OnFruitRestoreEffectRequest = [this](TPoint pos) {
            RestoreRequests.push_back(pos);
            Later([this, pos] { Board.RestoreFruit(pos); });
        };
        Board.OnHammerEffectRequest = [this](TPoint pos) {
            Later([this, pos] {
                Board.StartSmallShake(pos);
                Board.HammerStrike(pos);
            });
        };
        Board.OnMultiBubbleClicked = [this](TPoint pos, TPoint, int) {
            Later([this, pos] { Board.StartBlasterWave(pos); });
        };
        Board.OnRemoveLockerFrames = [this](const TSimpleObjectArray& map) {
            Frames.push_back(map);
        };
        Board.OnNoMoreMoves = [this] { ++NoMoreMoves; };
        Board.OnManualMatch = [this] { ++ManualMatches; };
    }
    ~TBoardHarness() { ReleaseRandomSeed(); }

    void Later(std::function<void()> action) {
        if (Complete) Due.push_back(std::move(action));
    }
    void Tick() {
        Board.UpdateAndDraw();
        auto due = std::move(Due);
        Due.clear();
        for (auto& action : due) action();
    }
    void Ticks(int count) {
        for (int i = 0; i < count; ++i) Tick();
    }
    // Ticks until nothing has fallen or been requested for longer than the cascade delay.
    void Settle(int limit = 3000) {
        int quiet = 0;
        for (int i = 0; i < limit && quiet < 15; ++i) {
            const size_t requests = Grouped.size() + Openings.size() + Falling.size();
            Tick();
            bool busy =
                !Due.empty() || requests != Grouped.size() + Openings.size() + Falling.size();
            const TTileStateGrid states = Board.TileStates();
            for (int x = 1; x <= BoardColumns; ++x)
                for (int y = 1; y <= BoardRows; ++y) busy |= states(x, y) == tsFalling;
            quiet = busy ? 0 : quiet + 1;
        }
    }
    // A click on tile (x, y) in screen pixels.
    void Click(int x, int y, TMouseButton button = mbLeft) {
        const TPoint at = TileOrigin(Board.Left, Board.Top, x, y);
        Board.MouseDown(at.X + 20, at.Y + 20, button);
    }
};
