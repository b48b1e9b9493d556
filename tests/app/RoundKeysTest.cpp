// A round played with keys or a controller: the arrows move a cursor drawn over the board, Enter
// or Space press its tile as a click would, the number keys take the cabinet's tools in their
// hooks' order, Escape puts a tool back and drops a selection before it opens the menu, and the
// mouse hides the cursor and hands it the tile it points at.
#include "SceneWalkKit.h"

#include <gtest/gtest.h>

namespace {

struct TKeysWalk : TSceneWalk {
    using TSceneWalk::TSceneWalk;

    TMainGameScene& Round() { return Form->MainGame(); }
    // Level `level` of island 1, its board built and the round played.
    bool StartAt(int level) {
        if (!ReachBuiltRound(level)) return false;
        Ticks(30); // the objective has gone
        return true;
    }
    // A key as the window system gives it: the key, then the character it types, if any.
    void Key(TKey key, uint8_t typed = 0) {
        TPlatformEvent down;
        down.Kind = TEventKind::KeyDown;
        down.Key = key;
        Platform.Events.Push(down);
        if (typed != 0) {
            TPlatformEvent press;
            press.Kind = TEventKind::KeyPress;
            press.Char = typed;
            Platform.Events.Push(press);
        }
        Tick();
    }
    void Escape() { Key(TKey::Escape, 27); }
    // Arrows until the cursor is on `tile` (it shows first); False when it cannot get there.
    bool CursorTo(TPoint tile) {
        if (!Round().KeyCursorShown()) Key(TKey::Down);
        for (int i = 0; i < BoardColumns + BoardRows && Round().KeyCursor() != tile; ++i) {
            const TPoint at = Round().KeyCursor();
            if (at.X != tile.X)
                Key(at.X < tile.X ? TKey::Right : TKey::Left);
            else
                Key(at.Y < tile.Y ? TKey::Down : TKey::Up);
        }
        return Round().KeyCursor() == tile;
    }
    TPoint Centre(TPoint tile) {
        const TPoint corner =
            TileOrigin(Round().GameBoard.Left, Round().GameBoard.Top, tile.X, tile.Y);
        return {corner.X + TileSize / 2, corner.Y + TileSize / 2};
    }
    // The focus ring drawn this frame around the tile: the selection's frame, larger than the
    // tile and in a dark tint.
    bool RingAround(TPoint tile) {
        constexpr uint32_t White = 0x00FFFFFF;
        const TPoint centre = Centre(tile);
        for (const TRecordedQuad& quad : Platform.Device.QuadsOf("TileSelection")) {
            const float x = (quad.Corners[0].X + quad.Corners[2].X) / 2;
            const float y = (quad.Corners[0].Y + quad.Corners[2].Y) / 2;
            const float width = std::abs(quad.Corners[2].X - quad.Corners[0].X);
            if ((quad.Corners[0].Color & White) != White && width > TileSize &&
                std::abs(x - centre.X) < 3 && std::abs(y - centre.Y) < 3)
                return true;
        }
        return false;
    }
};

TEST(RoundKeys, TheCursorWalksTheBoardAndTwoPressesSwapNeighbours) {
    TKeysWalk walk("keys-round-swap");
    ASSERT_TRUE(walk.StartAt(1));
    TMainGameScene& round = walk.Round();
    EXPECT_FALSE(round.KeyCursorShown()) << "nothing shows until a key is used";
    walk.Key(TKey::Right);
    ASSERT_TRUE(round.KeyCursorShown());
    const TPoint start = round.KeyCursor();
    EXPECT_TRUE(walk.RingAround(start));
    walk.Key(TKey::Right);
    EXPECT_EQ(round.KeyCursor(), (TPoint{start.X + 1, start.Y})) << "the first key only shows it";
    // At the board's edge the cursor stays.
    for (int i = 0; i < BoardRows + 2; ++i) walk.Key(TKey::Up);
    EXPECT_TRUE(IsBoardCell(round.KeyCursor()));
    EXPECT_TRUE(walk.RingAround(round.KeyCursor()));

    // A move the board itself would hint at, made with the keys.
    round.GameBoard.ShowHint();
    ASSERT_TRUE(round.GameBoard.IsHintVisible());
    const TPoint first = round.GameBoard.HintPos1();
    const TPoint second = round.GameBoard.HintPos2();
    const TBoardData before = round.GameBoard.BoardData();
    ASSERT_TRUE(walk.CursorTo(first));
    walk.Key(TKey::Enter, 13);
    EXPECT_TRUE(round.GameBoard.IsSelectionVisible());
    EXPECT_EQ(round.GameBoard.SelectedPos(), first);
    ASSERT_TRUE(walk.CursorTo(second));
    walk.Key(TKey::Space, ' ');
    walk.Ticks(60);
    EXPECT_FALSE(round.GameBoard.BoardData() == before) << "the swap stood and the line went";
    EXPECT_EQ(walk.Scene(), gsMainGame);
}

TEST(RoundKeys, ABoardWithAHoleInItsMiddleShowsTheCursorOnTheNearestFruit) {
    TKeysWalk walk("keys-round-hole");
    ASSERT_TRUE(walk.StartAt(5)); // a pond in the middle of the field
    TMainGameScene& round = walk.Round();
    ASSERT_FALSE(round.GameBoard.IsPlayableCell(round.KeyCursor()))
        << "the level changed its middle";
    walk.Key(TKey::Right);
    ASSERT_TRUE(round.KeyCursorShown());
    const TPoint shown = round.KeyCursor();
    EXPECT_TRUE(round.GameBoard.IsPlayableCell(shown));
    EXPECT_LE(std::abs(shown.X - 8) + std::abs(shown.Y - 6), 2) << "next to the pond";
    EXPECT_TRUE(walk.RingAround(shown));
}

TEST(RoundKeys, EscapeDropsTheSelectionFirstAndStartOpensAndClosesTheMenu) {
    TKeysWalk walk("keys-round-escape");
    ASSERT_TRUE(walk.StartAt(1));
    TMainGameScene& round = walk.Round();
    walk.Key(TKey::Down);
    walk.Key(TKey::Enter, 13);
    ASSERT_TRUE(round.GameBoard.IsSelectionVisible());
    walk.Escape();
    walk.Ticks(5);
    EXPECT_FALSE(round.GameBoard.IsSelectionVisible());
    EXPECT_EQ(walk.Scene(), gsMainGame) << "the Escape char is not heard as a second Escape";
    walk.Escape();
    ASSERT_TRUE(walk.RunUntil(gsInGameMenu));
    walk.Escape(); // the menu's Resume
    ASSERT_TRUE(walk.RunUntil(gsMainGame));
    walk.Key(TKey::Menu);
    ASSERT_TRUE(walk.RunUntil(gsInGameMenu));
    walk.Key(TKey::Menu); // Start again: back to the round
    ASSERT_TRUE(walk.RunUntil(gsMainGame));
}

TEST(RoundKeys, EscapeAfterASelectionByMouseOpensTheMenuAsBefore) {
    TKeysWalk walk("keys-round-mouse-escape");
    ASSERT_TRUE(walk.StartAt(1));
    TMainGameScene& round = walk.Round();
    walk.Key(TKey::Down); // the cursor shows, then the mouse takes over
    const TPoint fruit = round.KeyCursor();
    walk.Push(TEventKind::MouseMove, walk.Centre(fruit));
    walk.Push(TEventKind::MouseDown, walk.Centre(fruit), mbLeft);
    walk.Push(TEventKind::MouseUp, walk.Centre(fruit), mbLeft);
    walk.Tick();
    ASSERT_TRUE(round.GameBoard.IsSelectionVisible());
    walk.Escape();
    EXPECT_TRUE(walk.RunUntil(gsInGameMenu));
}

TEST(RoundKeys, TheMouseHidesTheCursorAndHandsItTheTileItPointsAt) {
    TKeysWalk walk("keys-round-mouse");
    ASSERT_TRUE(walk.StartAt(1));
    TMainGameScene& round = walk.Round();
    walk.Key(TKey::Left);
    ASSERT_TRUE(round.KeyCursorShown());
    const TPoint pointed{round.KeyCursor().X + 2, round.KeyCursor().Y + 1};
    walk.Push(TEventKind::MouseMove, walk.Centre(pointed));
    walk.Tick();
    EXPECT_FALSE(round.KeyCursorShown());
    EXPECT_FALSE(walk.RingAround(round.KeyCursor()));
    walk.Key(TKey::Left);
    EXPECT_TRUE(round.KeyCursorShown());
    EXPECT_EQ(round.KeyCursor(), pointed) << "shown where the mouse was, not moved";
    // Enter while the cursor is hidden only shows it: nothing is selected blind.
    walk.Push(TEventKind::MouseMove, {20, 20});
    walk.Tick();
    walk.Key(TKey::Enter, 13);
    EXPECT_TRUE(round.KeyCursorShown());
    EXPECT_FALSE(round.GameBoard.IsSelectionVisible());
}

TEST(RoundKeys, TheNumberKeysTakeTheToolsInTheCabinetsOrder) {
    TKeysWalk walk("keys-round-tools");
    ASSERT_TRUE(walk.StartAt(8)); // all three collector tools are offered
    TMainGameScene& round = walk.Round();
    round.DeveloperCharge();
    for (int i = 0; i < 400 && !round.CollectorTools[tlBlaster - 1].Enabled; ++i) walk.Tick();
    ASSERT_TRUE(round.CollectorTools[tlBlaster - 1].Enabled);

    walk.Type("2");
    ASSERT_TRUE(round.Broom.Active());
    EXPECT_TRUE(round.KeyCursorShown()) << "a tool taken by key shows the cursor it follows";
    EXPECT_EQ(round.Broom.Pos(), walk.Centre(round.KeyCursor()));
    walk.Key(TKey::Right);
    EXPECT_EQ(round.Broom.Pos(), walk.Centre(round.KeyCursor())) << "it follows the cursor";
    walk.Escape();
    EXPECT_FALSE(round.Broom.Active()) << "Escape puts it back";
    EXPECT_EQ(walk.Scene(), gsMainGame);
    walk.Ticks(30);

    // 4, 5 and 6 down the cabinet: the blaster, the bomb, the hammer; another number puts the
    // carried tool back first, and the same number again puts it back.
    const std::pair<char, TNewToolKind> numbers[] = {
        {'4', tlBlaster}, {'5', tlBomb}, {'6', tlHammer}};
    for (const auto& [number, kind] : numbers) {
        walk.Type(std::string(1, number));
        EXPECT_TRUE(round.CollectorTools[kind - 1].Active()) << number;
        int carried = 0;
        for (const TCollectorBombTool& tool : round.CollectorTools) carried += tool.Active();
        EXPECT_EQ(carried, 1) << number;
    }
    walk.Type("6");
    EXPECT_FALSE(round.ToolHeld());
    EXPECT_EQ(round.Broom.Count(), TUseCountTool::NewUses) << "nothing was used on the way";
}

TEST(RoundKeys, EnterCutsTheObjectiveShortAsAPressDoes) {
    TKeysWalk walk("keys-round-objective");
    ASSERT_TRUE(walk.ReachMenuAsNewPlayer("ANNA", true));
    ASSERT_TRUE(walk.Form->StartLevel(1, 1));
    TObjectiveInfo& objective = walk.Round().ObjectiveInfo;
    for (int i = 0; i < 600 && objective.Phase() != opShown; ++i) walk.Tick();
    ASSERT_EQ(objective.Phase(), opShown);
    walk.Key(TKey::Enter, 13);
    walk.Ticks(3);
    EXPECT_EQ(objective.Phase(), opHiding);
    EXPECT_FALSE(walk.Round().KeyCursorShown());
}

TEST(RoundKeys, TheKeysRestWhileTheRoundIsNotPlayed) {
    TKeysWalk walk("keys-round-paused");
    ASSERT_TRUE(walk.StartAt(1));
    TMainGameScene& round = walk.Round();
    round.SetGamePause(true);
    walk.Key(TKey::Down);
    walk.Type("2");
    EXPECT_FALSE(round.KeyCursorShown());
    EXPECT_FALSE(round.ToolHeld());
    round.SetGamePause(false);
    walk.Type("2");
    EXPECT_TRUE(round.Broom.Active());
}

} // namespace
