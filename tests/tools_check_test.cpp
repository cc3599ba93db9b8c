// What morv-check reports for faulty games and for the demo.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "check/finding.h"
#include "check/game_checker.h"
#include "platform/headless/headless_platform.h"
#include "support/temp_dir.h"

namespace morv {
namespace {

using testing::cp949;
using testing::CurrentDirectory;
using testing::TempDir;
using tools::Finding;

std::vector<Finding> checkIn(const std::filesystem::path& game) {
    CurrentDirectory inside(game);
    HeadlessPlatform platform;
    return tools::checkGame(platform);
}

std::map<std::string, std::vector<Finding>> byKind(const std::vector<Finding>& findings) {
    std::map<std::string, std::vector<Finding>> kinds;
    for (const Finding& finding : findings) kinds[finding.kind].push_back(finding);
    return kinds;
}

std::string lines(const std::string& head, int count, const std::string& line) {
    std::string out = head;
    for (int i = 0; i < count; ++i) out += line;
    return out;
}

TEST(ToolsCheck, ReportsEachKindOfFaultOnceWithItsFileAndLine) {
    TempDir game;
    game.write("morv.ini", cp949("GAME_TITLE = \"시험\"\nDEBUG\nBOGUS_KEY = 1\nCARET_FILE = caret.bmp\nend\n"));
    game.write("caret.bmp", "BM");
    game.write("bg.bmp", "BM");
    game.write("scenario.txt", cp949(
        "init 점수 0\n"                // 1
        "cg bg.bmp\n"                  // 2
        "cg missing.bmp\n"             // 3: no such picture
        "set 기분 = 1\n"               // 4: never declared
        "goto 6\n"                     // 5
        "if (점수 > 1) 40\n"           // 6: line 40 holds nothing
        "sprite bg.bmp\n"              // 7: not a scenario command
        "menu menu.txt\n"              // 8
        "end\n"));
    std::string choices = "select 1 a\n";
    for (int i = 0; i < 10; ++i) choices += "+ 1 more\n";  // the eleventh choice is line 11
    game.write("menu.txt", lines("", 101, "textbutton LOADSNR choices.txt 0 0 go\n") + "end\n");
    game.write("choices.txt", choices + "end\n");
    game.write("orphan.txt", "end\n");

    const auto findings = checkIn(game.path());
    auto kinds = byKind(findings);
    for (const char* kind : {"config-key", "missing-file", "invalid-command", "jump-target", "uninitialized-variable",
                             "too-many-choices", "too-many-buttons", "unreachable-file"}) {
        ASSERT_EQ(kinds[kind].size(), 1u) << kind << "\n" << tools::formatText(findings);
    }
    EXPECT_EQ(findings.size(), 8u) << tools::formatText(findings);
    EXPECT_EQ(kinds["config-key"][0], (Finding{"morv.ini", 3, "config-key",
                                              "\"morv.ini\"의 3행의 \"BOGUS_KEY\"커맨드는 올바른 커맨드가 아닙니다."}));
    EXPECT_EQ(kinds["missing-file"][0].line, 3);
    EXPECT_EQ(kinds["invalid-command"][0].line, 7);
    EXPECT_EQ(kinds["uninitialized-variable"][0].line, 4);
    EXPECT_EQ(kinds["invalid-command"][0].file, "scenario.txt");
    EXPECT_EQ(kinds["jump-target"][0].line, 6);
    EXPECT_EQ(kinds["uninitialized-variable"][0].message,
              "\"기분\" is used before any init on a path from the first scenario");
    EXPECT_EQ(kinds["too-many-buttons"][0].line, 101);
    EXPECT_EQ(kinds["too-many-choices"][0].file, "choices.txt");
    EXPECT_EQ(kinds["too-many-choices"][0].line, 11);
    EXPECT_EQ(kinds["unreachable-file"][0].file, "orphan.txt");
}

TEST(ToolsCheck, FollowsVariablesThroughChoicesCallsAndResets) {
    TempDir game;
    game.write("morv.ini", "DEBUG\nend\n");
    game.write("scenario.txt",
               "select 3 left\n"   // 1
               "+ 5 right\n"       // 2
               "init a 1\n"        // 3: only the left choice declares a
               "goto 6\n"          // 4
               "init b 2\n"        // 5
               "funcsnr sub.txt\n" // 6
               "set c = 1\n"       // 7: sub.txt declared c on every path
               "set a = 1\n"       // 8: a is missing after the right choice
               "reset\n"           // 9
               "set c = 2\n"       // 10: reset removed c
               "end\n");
    game.write("sub.txt", "init c 0\nreturn\n");
    auto uninitialized = byKind(checkIn(game.path()))["uninitialized-variable"];
    ASSERT_EQ(uninitialized.size(), 2u);
    EXPECT_EQ(uninitialized[0].line, 8);
    EXPECT_EQ(uninitialized[1].line, 10);
}

TEST(ToolsCheck, ReadsScriptsAndPicturesFromTheArchivesOutsideDebugMode) {
    TempDir game;
    game.write("morv.ini", "SCENARIO_DIRECTORY = missing.qxa\nend\n");
    auto findings = checkIn(game.path());
    ASSERT_FALSE(findings.empty());
    // One missing archive is reported once, not as every script and picture it holds.
    EXPECT_EQ(findings.size(), 2u) << tools::formatText(findings);  // CG_DIRECTORY ".\" is no archive either
    EXPECT_EQ(findings[0].kind, "missing-file");
}

TEST(ToolsCheck, TheDemoIsClean) {
    EXPECT_EQ(tools::formatText(checkIn(MORV_DEMO_GAME)), "");
}

TEST(ToolsCheck, JsonEscapesQuotesBackslashesAndControlBytes) {
    const std::vector<Finding> findings{{"a\\b.txt", 2, "jump-target", "say \"hi\"\n"}};
    EXPECT_EQ(tools::formatJson(findings),
              "{\"findings\": [\n  {\"file\": \"a\\\\b.txt\", \"line\": 2, \"kind\": \"jump-target\", "
              "\"message\": \"say \\\"hi\\\"\\u000a\"}\n]}\n");
    EXPECT_EQ(tools::formatJson({}), "{\"findings\": []}\n");
}

}  // namespace
}  // namespace morv
