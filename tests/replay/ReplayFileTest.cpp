// The replay file: what it reads, what it refuses with the line to blame, and the update that
// rewrites only the recorded end; the checksum that every part of the end moves.
#include "ReplayFile.h"

#include "ReplayChecksum.h"

#include <gtest/gtest.h>

namespace {

const std::string Recorded = "# a comment\n"
                             "level 1-02   # the gold level\n"
                             "seed 42\n"
                             "14 down 500 300\n"
                             "14 move 552 300\n"
                             "15 up 552 300\n"
                             "20 type ANNA B\n"
                             "21 key escape\n"
                             "22 close\n"
                             "ticks 100\n"
                             "require cascades >= 1\n"
                             "require moves = 1\n"
                             "score 18\n"
                             "gathering bananas 7 goldtiles1 9\n"
                             "scenes gsMainGame gsInGameMenu\n"
                             "checksum 0123456789abcdef\n";

std::string ParseError(const std::string& text) {
    TReplay replay;
    std::string error;
    EXPECT_FALSE(ParseReplay(text, replay, error)) << text;
    return error;
}

TEST(ReplayFile, ReadsEveryPartOfARecordedReplay) {
    TReplay replay;
    std::string error;
    ASSERT_TRUE(ParseReplay(Recorded, replay, error)) << error;
    EXPECT_EQ(replay.Island, 1);
    EXPECT_EQ(replay.Level, 2);
    EXPECT_EQ(replay.LevelSource, "");
    EXPECT_EQ(replay.Seed, 42u);
    ASSERT_EQ(replay.Inputs.size(), 6u);
    EXPECT_EQ(replay.Inputs[1].Tick, 14);
    EXPECT_EQ(replay.Inputs[1].Kind, TReplayMouse::Move);
    EXPECT_EQ(replay.Inputs[2].Kind, TReplayMouse::Up);
    EXPECT_EQ(replay.Inputs[2].X, 552);
    EXPECT_EQ(replay.Inputs[2].Y, 300);
    EXPECT_EQ(replay.Inputs[3].Kind, TReplayMouse::Type);
    EXPECT_EQ(replay.Inputs[3].Text, "ANNA B");
    EXPECT_EQ(replay.Inputs[4].Kind, TReplayMouse::Key);
    EXPECT_EQ(replay.Inputs[4].Text, "escape");
    EXPECT_EQ(replay.Inputs[5].Kind, TReplayMouse::Close);
    EXPECT_EQ(replay.Ticks, 100);
    ASSERT_EQ(replay.Requirements.size(), 2u);
    EXPECT_EQ(replay.Requirements[0].Counter, "cascades");
    EXPECT_TRUE(replay.Requirements[0].AtLeast);
    EXPECT_FALSE(replay.Requirements[1].AtLeast);
    EXPECT_EQ(replay.Requirements[1].Line, 12);
    ASSERT_TRUE(replay.Expected.has_value());
    EXPECT_EQ(*replay.Expected,
              (TReplayExpectation{18, "bananas 7 goldtiles1 9", "gsMainGame gsInGameMenu",
                                  "0123456789abcdef"}));
}

TEST(ReplayFile, ALevelSourceOfTheFixturesIsPlayedAsTheFirstLevel) {
    TReplay replay;
    std::string error;
    ASSERT_TRUE(ParseReplay("level few-moves.level\nseed 1\nticks 5\n", replay, error)) << error;
    EXPECT_EQ(replay.LevelSource, "few-moves.level");
    EXPECT_EQ(replay.Island, 1);
    EXPECT_EQ(replay.Level, 1);
    EXPECT_FALSE(replay.Expected.has_value());
    EXPECT_EQ(ParseError("level ../few-moves.level\nseed 1\nticks 5\n").substr(0, 7), "line 1:");
    // In another level's place.
    ASSERT_TRUE(ParseReplay("level tools.level as 2-03\nseed 1\nticks 5\n", replay, error))
        << error;
    EXPECT_EQ(replay.LevelSource, "tools.level");
    EXPECT_EQ(replay.Island, 2);
    EXPECT_EQ(replay.Level, 3);
    for (const char* bad : {"level tools.level 2-03\n", "level tools.level as\n",
                            "level tools.level as 0-01\n", "level tools.level as 2-01 x\n"})
        EXPECT_EQ(ParseError(std::string(bad) + "seed 1\nticks 5\n").substr(0, 7), "line 1:")
            << bad;
}

TEST(ReplayFile, TheMenusKeysAreReadByTheirNames) {
    TReplay replay;
    std::string error;
    ASSERT_TRUE(ParseReplay("start logos\nseed 1\n3 key tab\n4 key down\n5 key up\n6 key left\n"
                            "7 key right\n8 key space\nticks 10\n",
                            replay, error))
        << error;
    std::vector<std::string> keys;
    for (const TReplayInput& input : replay.Inputs) keys.push_back(input.Text);
    EXPECT_EQ(keys, (std::vector<std::string>{"tab", "down", "up", "left", "right", "space"}));
    EXPECT_NE(ParseError("start logos\nseed 1\n3 key Tab\nticks 10\n"), "")
        << "names are lower case";
}

TEST(ReplayFile, RefusesWhatItCannotPlayAndNamesTheLine) {
    const std::string head = "level 1-01\nseed 1\n";
    EXPECT_EQ(ParseError(head + "ticks 10\n14 click 1 2\n").substr(0, 7), "line 4:");
    EXPECT_EQ(ParseError(head + "ticks 10\n3 down 1\n").substr(0, 7), "line 4:");
    EXPECT_EQ(ParseError(head + "ticks 10\n3 down 1 2 3\n").substr(0, 7), "line 4:");
    EXPECT_EQ(ParseError(head + "ticks 10\n3x down 1 2\n").substr(0, 7), "line 4:");
    EXPECT_EQ(ParseError(head + "ticks 10\n3 key f12\n").substr(0, 7), "line 4:");
    EXPECT_EQ(ParseError(head + "ticks 10\n3 type\n").substr(0, 7), "line 4:");
    EXPECT_EQ(ParseError(head + "ticks 10\n3 close now\n").substr(0, 7), "line 4:");
    EXPECT_EQ(ParseError(head + "ticks 10\nrequire moves > 1\n").substr(0, 7), "line 4:");
    EXPECT_EQ(ParseError(head + "ticks 10\nchecksum 12345\n").substr(0, 7), "line 4:");
    EXPECT_EQ(ParseError(head + "ticks 0\n").substr(0, 7), "line 3:");
    EXPECT_EQ(ParseError("level 1_01\n").substr(0, 7), "line 1:");
    EXPECT_EQ(ParseError("seed 1\nticks 10\n"), "no level or start line");
    EXPECT_EQ(ParseError("start splash\nseed 1\nticks 10\n"),
              "line 1: cannot read \"start splash\"");
    EXPECT_EQ(ParseError(head), "no ticks line");
}

TEST(ReplayFile, InputMustComeInTickOrderAndInsideTheRun) {
    const std::string head = "level 1-01\nseed 1\nticks 10\n";
    EXPECT_NE(ParseError(head + "5 down 1 2\n4 up 1 2\n").find("comes after tick 5"),
              std::string::npos);
    EXPECT_NE(ParseError(head + "10 down 1 2\n").find("beyond the 10 ticks"), std::string::npos);
}

TEST(ReplayFile, AnEndIsRecordedWholeOrNotAtAll) {
    const std::string head = "level 1-01\nseed 1\nticks 10\n";
    EXPECT_NE(ParseError(head + "score 3\nchecksum 0123456789abcdef\n").find("once each"),
              std::string::npos);
    TReplay replay;
    std::string error;
    ASSERT_TRUE(ParseReplay(
        head + "score 0\ngathering none\nscenes gsMainGame\nchecksum 0123456789abcdef\n", replay,
        error))
        << error;
    EXPECT_EQ(replay.Expected->Gathering, "");
}

TEST(ReplayFile, TheUpdateRewritesTheEndAndKeepsEverythingElse) {
    const TReplayExpectation actual{27, "bananas 4", "gsMainGame", "fedcba9876543210"};
    const std::string updated = WithExpectation(Recorded, actual);
    TReplay replay;
    std::string error;
    ASSERT_TRUE(ParseReplay(updated, replay, error)) << error;
    EXPECT_EQ(*replay.Expected, actual);
    const std::string end = ExpectationText(actual);
    EXPECT_EQ(updated.substr(0, updated.size() - end.size()),
              Recorded.substr(0, Recorded.find("score")));

    // A replay played for the first time gets its end below everything else.
    const std::string fresh = "level 1-01\nseed 1\nticks 10\n";
    EXPECT_EQ(WithExpectation(fresh, {0, "", "gsMainGame", "0000000000000000"}),
              fresh + "score 0\ngathering none\nscenes gsMainGame\nchecksum 0000000000000000\n");
}

TEST(ReplayChecksum, EveryFieldOfEveryTileTheScoreAndEachCountChangeIt) {
    const TBoardData grid{};
    const TGatheringCounts counts{};
    const uint64_t base = ReplayChecksum(grid, 0, counts);
    auto changedTile = [&](auto change) {
        TBoardData changed = grid;
        change(changed(16, 12));
        return ReplayChecksum(changed, 0, counts);
    };
    EXPECT_NE(changedTile([](TBoardTile& t) { t.ObjectKind ^= 1; }), base);
    EXPECT_NE(changedTile([](TBoardTile& t) { t.BackgroundStyle = 1; }), base);
    EXPECT_NE(changedTile([](TBoardTile& t) { t.LockerColor = 1; }), base);
    EXPECT_NE(changedTile([](TBoardTile& t) { t.ElementCode = 1; }), base);
    EXPECT_NE(changedTile([](TBoardTile& t) { t.Web = 1; }), base);
    EXPECT_NE(changedTile([](TBoardTile& t) { t.ChainLevel = 1; }), base);
    EXPECT_NE(changedTile([](TBoardTile& t) { t.FruitBomb = 1; }), base);
    EXPECT_NE(changedTile([](TBoardTile& t) { t.WormState = 1; }), base);
    EXPECT_NE(changedTile([](TBoardTile& t) { t.WormTime = 1 << 24; }), base);
    EXPECT_NE(changedTile([](TBoardTile& t) { t.BlasterCode = 1; }), base);
    EXPECT_NE(changedTile([](TBoardTile& t) { t.FallOffset = 1; }), base);
    EXPECT_NE(ReplayChecksum(grid, 3, counts), base);
    for (size_t slot = 0; slot < counts.size(); ++slot) {
        TGatheringCounts changed = counts;
        changed[slot] = 1;
        EXPECT_NE(ReplayChecksum(grid, 0, changed), base) << "slot " << slot;
    }
    // The same tiles in other cells are another board.
    TBoardData moved = grid;
    moved(1, 1).ElementCode = 2;
    TBoardData other = grid;
    other(1, 2).ElementCode = 2;
    EXPECT_NE(ReplayChecksum(moved, 0, counts), ReplayChecksum(other, 0, counts));
    EXPECT_EQ(ChecksumText(0x00ab), "00000000000000ab");
}

} // namespace
