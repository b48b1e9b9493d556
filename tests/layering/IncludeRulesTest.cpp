// The folders of src/ include each other only as the build lets them depend on each other.
#include "IncludeRules.h"

#include "TempFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

namespace {

// board may include engine; engine may include platform; platform may include SDL.
TSourceTree SmallTree() {
    TSourceTree tree;
    tree.Rules = ParseIncludeRules("board: engine\nengine: platform\nplatform: SDL\n");
    tree.Files = {
        {"board/Board.cpp", "#include \"board/Board.h\"\n#include \"engine/Globals.h\"\n"},
        {"engine/Screen.h", "#pragma once\n#include \"platform/Device.h\"\n#include <vector>\n"},
        {"platform/Device.cpp", "#include \"platform/Device.h\"\n#include <SDL.h>\n"},
        {"main.cpp", "#include \"board/Board.h\"\n#include \"platform/Device.h\"\n"},
    };
    return tree;
}

} // namespace

TEST(IncludeRules, ReadsTheRulesTheBuildWrites) {
    const TIncludeRules rules = ParseIncludeRules("app: board engine platform\nfiles:\n\n");
    ASSERT_EQ(rules.size(), 2u);
    EXPECT_EQ(rules.at("app"), (std::set<std::string>{"board", "engine", "platform"}));
    EXPECT_THAT(rules.at("files"), IsEmpty());
}

TEST(IncludeRules, FindsTheFolderAnIncludeReaches) {
    EXPECT_EQ(IncludedFolder("#include \"board/GameData.h\""), "board");
    EXPECT_EQ(IncludedFolder("  #  include \"app/scenes/Menu.h\" // the menu"), "app");
    EXPECT_EQ(IncludedFolder("#include <SDL.h>"), "SDL");
    EXPECT_EQ(IncludedFolder("#include <SDL_mixer.h>"), "SDL");
    EXPECT_EQ(IncludedFolder("#include <SDL2/SDL.h>"), "SDL");
    EXPECT_EQ(IncludedFolder("#include <vector>"), "");
    EXPECT_EQ(IncludedFolder("#include \"Local.h\""), "");
    EXPECT_EQ(IncludedFolder("// #include \"app/UMain.h\" is not allowed here"), "");
}

TEST(IncludeRules, AcceptsATreeThatKeepsItsRules) {
    int includes = 0;
    EXPECT_THAT(CheckIncludeRules(SmallTree(), &includes), IsEmpty());
    EXPECT_EQ(includes, 7);
}

TEST(IncludeRules, NamesTheFileTheLineAndTheRuleOfAWrongInclude) {
    TSourceTree tree = SmallTree();
    tree.Files.push_back({"board/Draw.cpp", "// drawing\n#include \"platform/Device.h\"\n"});
    EXPECT_THAT(CheckIncludeRules(tree),
                ElementsAre("src/board/Draw.cpp:2: #include \"platform/Device.h\": board may "
                            "include engine (src/board/CMakeLists.txt)"));
}

TEST(IncludeRules, OnlyAFolderThatNamesSdlMayIncludeIt) {
    TSourceTree tree = SmallTree();
    tree.Files.push_back({"board/Sneaky.cpp", "#include <SDL.h>\n"});
    tree.Files.push_back({"main.cpp", "#include <SDL2/SDL.h>\n"});
    const auto broken = CheckIncludeRules(tree);
    ASSERT_EQ(broken.size(), 2u);
    EXPECT_THAT(broken[0], HasSubstr("src/board/Sneaky.cpp:1:"));
    EXPECT_THAT(broken[1], HasSubstr("src/main.cpp:1:"));
}

TEST(IncludeRules, AFolderNoLibraryDeclaresFails) {
    TSourceTree tree = SmallTree();
    tree.Files.push_back({"files/Reader.cpp", "#include \"files/Reader.h\"\n"});
    EXPECT_THAT(CheckIncludeRules(tree), ElementsAre(HasSubstr("src/files: no library")));
}

TEST(IncludeRules, AFolderThatMayIncludeNothingStillIncludesItself) {
    TSourceTree tree = SmallTree();
    tree.Rules["files"] = {};
    tree.Files.push_back({"files/Reader.cpp", "#include \"files/Reader.h\"\n#include <cstdio>\n"});
    EXPECT_THAT(CheckIncludeRules(tree), IsEmpty());
    tree.Files.push_back({"files/Log.cpp", "#include \"engine/Globals.h\"\n"});
    EXPECT_THAT(CheckIncludeRules(tree), ElementsAre(HasSubstr("files may include nothing")));
}

TEST(IncludeRules, ASubFolderKeepsTheRuleOfItsTopFolder) {
    TSourceTree tree = SmallTree();
    tree.Rules["app"] = {"board", "engine"};
    tree.Files.push_back({"app/scenes/Menu.cpp", "#include \"app/UMain.h\"\n#include "
                                                 "\"board/Board.h\"\n#include <SDL.h>\n"});
    EXPECT_THAT(CheckIncludeRules(tree),
                ElementsAre(HasSubstr("src/app/scenes/Menu.cpp:3: #include <SDL.h>: app may")));
}

TEST(IncludeRules, ReadsEverySourceFileFromDisk) {
    TTempFolder src("layering");
    src.Write("rules.txt", "board: engine\n");
    src.Write("src/board/rules/Deep.h", "#include \"app/UMain.h\"\n");
    src.Write("src/board/CMakeLists.txt", "#include \"app/UMain.h\"\n");
    src.Write("src/engine/Screen.cpp", "#include \"engine/Screen.h\"\n");
    src.Write("src/main.cpp", "#include \"app/UMain.h\"\n");
    const TSourceTree tree = ReadSourceTree(src.Path("src"), src.Path() + "rules.txt");
    ASSERT_EQ(tree.Rules.size(), 1u);
    ASSERT_EQ(tree.Files.size(), 3u);
    EXPECT_EQ(tree.Files[0].Path, "board/rules/Deep.h");
    EXPECT_EQ(tree.Files[1].Path, "engine/Screen.cpp");
    EXPECT_EQ(tree.Files[2].Path, "main.cpp");
    EXPECT_THAT(CheckIncludeRules(tree), ElementsAre(HasSubstr("src/engine: no library"),
                                                     HasSubstr("src/board/rules/Deep.h:1:")));
}

// The rule itself: every folder of the game's src/ keeps to what the build lets it depend on.
TEST(IncludeRules, TheGameKeepsItsLayering) {
    const TSourceTree tree =
        ReadSourceTree(std::filesystem::path(TOVAN_SOURCE_DIR) / "src", TOVAN_INCLUDE_RULES);
    // A wrong path must not pass by reading nothing.
    ASSERT_GE(tree.Rules.size(), 9u);
    EXPECT_EQ(tree.Rules.at("board"), (std::set<std::string>{"engine", "files"}));
    EXPECT_EQ(tree.Rules.at("platform"), (std::set<std::string>{"SDL", "files"}));
    ASSERT_GE(tree.Files.size(), 50u);
    int includes = 0;
    const auto broken = CheckIncludeRules(tree, &includes);
    EXPECT_GE(includes, 100);
    for (const auto& line : broken) ADD_FAILURE() << line;
}
