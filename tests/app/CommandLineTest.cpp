// The command line: each switch, the ones that end the program at once, and unknown options.
#include "app/CommandLine.h"

#include <gtest/gtest.h>
#include <sstream>

namespace {

TParsedCommandLine Parse(std::vector<std::string_view> arguments) {
    return ParseCommandLine(arguments);
}

TEST(CommandLine, WithoutOptionsTheGameRunsAsThePlayerSetItUp) {
    const TParsedCommandLine parsed = Parse({});
    EXPECT_EQ(parsed.Action, TCommandLineAction::Run);
    EXPECT_FALSE(parsed.Options.ReducedEffects.has_value());
    EXPECT_FALSE(parsed.Options.FullScreen.has_value());
    EXPECT_FALSE(parsed.Options.LogScenes);
    EXPECT_FALSE(parsed.Options.TestReport);
}

TEST(CommandLine, SwitchesCombineAndTheLastPresentationChoiceCounts) {
    TParsedCommandLine parsed =
        Parse({"--reduced-effects", "--fullscreen", "--log-scenes", "--test-report", "--windowed"});
    EXPECT_EQ(parsed.Action, TCommandLineAction::Run);
    EXPECT_EQ(parsed.Options.ReducedEffects, true);
    EXPECT_EQ(parsed.Options.FullScreen, false);
    EXPECT_TRUE(parsed.Options.LogScenes);
    EXPECT_TRUE(parsed.Options.TestReport);
    EXPECT_EQ(Parse({"--windowed", "--fullscreen"}).Options.FullScreen, true);
    EXPECT_EQ(Parse({"--reduced-effects", "--full-effects"}).Options.ReducedEffects, false);
}

TEST(CommandLine, TheFirstHelpVersionOrUnknownOptionDecides) {
    EXPECT_EQ(Parse({"--windowed", "--help"}).Action, TCommandLineAction::ShowHelp);
    EXPECT_EQ(Parse({"--version", "--nonsense"}).Action, TCommandLineAction::ShowVersion);
    const TParsedCommandLine bad = Parse({"--windowed", "-fullscreen", "--help"});
    EXPECT_EQ(bad.Action, TCommandLineAction::BadOption);
    EXPECT_EQ(bad.BadOption, "-fullscreen");
    EXPECT_EQ(Parse({""}).Action, TCommandLineAction::BadOption);
    EXPECT_EQ(Parse({"--HELP"}).Action, TCommandLineAction::BadOption);
}

// The help must offer exactly what the parser takes.
TEST(CommandLine, EveryOptionTheHelpNamesIsKnown) {
    std::istringstream usage(CommandLineUsage());
    int named = 0;
    for (std::string word; usage >> word;) {
        if (word.rfind("--", 0) != 0) continue;
        ++named;
        EXPECT_NE(Parse({word}).Action, TCommandLineAction::BadOption) << word;
    }
    EXPECT_EQ(named, 8);
}

} // namespace
