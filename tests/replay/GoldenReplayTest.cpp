// Every replay of tests/fixtures/replays/ played through the controller on the built game's
// content: what it must show (its `require` lines), and its end against the recorded one.
// TOVAN_UPDATE_FIXTURES=1 records the end instead; TOVAN_REPLAY_TRACE=1 prints the board at each
// tick with input, for writing a new replay.
#include "ReplayFile.h"
#include "ReplayPlayer.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

constexpr const char* ReplayExtension = ".replay";
const TReplayContent Content{TOVAN_GAME_DIR "/", TOVAN_FIXTURE_LEVEL_DIR};

bool SwitchOn(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && std::string(value) == "1";
}

fs::path ReplayPath(const std::string& name) {
    return fs::path(TOVAN_REPLAY_DIR) / (name + ReplayExtension);
}

// The replays' names, sorted, so the tests keep their order.
std::vector<std::string> ReplayNames() {
    std::vector<std::string> names;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(TOVAN_REPLAY_DIR, error))
        if (entry.path().extension() == ReplayExtension) names.push_back(entry.path().stem());
    std::sort(names.begin(), names.end());
    return names;
}

// The board's element codes with the screen point of each tile centre, as input lines want it.
void PrintBoard(int tick, const TFormMain& form) {
    const TGameBoard& board = form.MainGame().GameBoard;
    auto centre = [&board](int x, int y) {
        const TPoint origin = TileOrigin(board.Left, board.Top, x, y);
        return TPoint{origin.X + TileSize / 2, origin.Y + TileSize / 2};
    };
    std::printf("tick %d (centre x above each column, y before each row):\n     ", tick);
    for (int x = 1; x <= BoardColumns; ++x) std::printf("%5d", centre(x, 1).X);
    std::printf("\n");
    for (int y = 1; y <= BoardRows; ++y) {
        std::printf("%5d", centre(1, y).Y);
        for (int x = 1; x <= BoardColumns; ++x) {
            const TBoardTile tile = board.TileAt({x, y});
            if (tile.IsPlayable())
                std::printf("%5d", tile.ElementCode);
            else
                std::printf("%5s", ".");
        }
        std::printf("\n");
    }
}

std::string RequirementText(const TReplayRequirement& requirement) {
    return requirement.Counter + (requirement.AtLeast ? " >= " : " = ") +
           std::to_string(requirement.Value);
}

bool Meets(const TReplayRequirement& requirement, int count) {
    return requirement.AtLeast ? count >= requirement.Value : count == requirement.Value;
}

class GoldenReplay : public ::testing::TestWithParam<std::string> {
protected:
    void ExpectRequirements(const TReplay& replay, const TReplayOutcome& outcome) {
        for (const TReplayRequirement& requirement : replay.Requirements) {
            const auto counter = outcome.Counters.find(requirement.Counter);
            if (counter == outcome.Counters.end()) {
                ADD_FAILURE() << "line " << requirement.Line << ": no counter \""
                              << requirement.Counter << "\"; there are "
                              << CountersText(outcome.Counters);
                continue;
            }
            EXPECT_TRUE(Meets(requirement, counter->second))
                << "line " << requirement.Line << ": require " << RequirementText(requirement)
                << ", but the run counted " << counter->second << " ("
                << CountersText(outcome.Counters) << ")";
        }
    }
};

TEST_P(GoldenReplay, ShowsWhatItRequiresAndEndsAsRecorded) {
    const fs::path path = ReplayPath(GetParam());
    const std::optional<std::string> read = ReadTextFile(path);
    ASSERT_TRUE(read.has_value()) << path << " cannot be read";
    const std::string& text = *read;
    TReplay replay;
    std::string error;
    ASSERT_TRUE(ParseReplay(text, replay, error)) << GetParam() << ": " << error;
    const TReplayOutcome outcome =
        PlayReplay(replay, Content,
                   SwitchOn("TOVAN_REPLAY_TRACE") ? TReplayWatch(PrintBoard) : TReplayWatch());
    ASSERT_EQ(outcome.Error, "") << GetParam();
    SCOPED_TRACE("replay " + GetParam() + ": " + CountersText(outcome.Counters));
    // Input lines name ticks: every tick must have run its frame, unless the game was closed.
    if (outcome.Counters.at(ReplayCounters::Closed) == 0) {
        EXPECT_EQ(outcome.Counters.at(ReplayCounters::Frames), replay.Ticks);
    }
    ExpectRequirements(replay, outcome);

    if (SwitchOn("TOVAN_UPDATE_FIXTURES")) {
        // A run that misses what the replay is for is no end worth recording.
        if (HasFailure()) return;
        std::ofstream(path, std::ios::binary) << WithExpectation(text, outcome.End);
        std::printf("%s: recorded\n%s", GetParam().c_str(), ExpectationText(outcome.End).c_str());
        return;
    }
    ASSERT_TRUE(replay.Expected.has_value())
        << GetParam() << " has no recorded end: run it once with TOVAN_UPDATE_FIXTURES=1";
    EXPECT_EQ(ExpectationText(*replay.Expected), ExpectationText(outcome.End))
        << "replay " << GetParam() << " ended otherwise than recorded (expected, then actual); "
        << "if the change of behaviour is meant, record it with TOVAN_UPDATE_FIXTURES=1";
}

INSTANTIATE_TEST_SUITE_P(Fixtures, GoldenReplay, ::testing::ValuesIn(ReplayNames()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             std::string name = info.param;
                             std::replace_if(
                                 name.begin(), name.end(),
                                 [](char c) {
                                     return !std::isalnum(static_cast<unsigned char>(c));
                                 },
                                 '_');
                             return name;
                         });

// A wrong folder would leave no replay to play, and nothing would fail.
TEST(GoldenReplays, TheFixtureFolderHoldsTheReplaysOfTheStartAndTheRoundRules) {
    const std::vector<std::string> names = ReplayNames();
    for (const char* name :
         {"first-start", "start-to-round", "plain-match", "cascade", "no-more-moves-shuffle"})
        EXPECT_NE(std::find(names.begin(), names.end(), name), names.end()) << name;
}

// Nothing of one run (the generator, the pictures, the board origin) leaks into the next.
TEST(GoldenReplays, TheSameReplayPlaysToTheSameEndTwiceInOneProgram) {
    TReplay replay;
    std::string error;
    ASSERT_TRUE(ParseReplay(ReadTextFile(ReplayPath("cascade")).value_or(""), replay, error))
        << error;
    const TReplayOutcome first = PlayReplay(replay, Content);
    const TReplayOutcome second = PlayReplay(replay, Content);
    ASSERT_EQ(first.Error, "");
    EXPECT_EQ(first.End, second.End);
    EXPECT_EQ(first.Counters, second.Counters);
}

} // namespace
