// A scenario played by morv-headless, clicked through by its event script.
#include <gtest/gtest.h>

#include "support/headless_run.h"
#include "support/temp_dir.h"

namespace morv::testing {
namespace {

TEST(InterpreterHeadless, ClicksAdvanceThroughTheWaitStatesToTheEnd) {
    TempDir out;
    auto run = runHeadless(testGame("clicks"), "until-idle 5000\nclick 10 10\nuntil-idle 5000\nclick 10 10\n",
                           out.path(), "--trace-commands");
    EXPECT_EQ(run.exitCode, 0);
    // The fade, then each page typed and waiting for its click.
    const std::vector<std::string> expected = {
        "exec scenario.txt:2 41", "state 0 -> 2", "state 2 -> 0", "exec scenario.txt:3 311", "state 0 -> 1",
        "state 1 -> 0",           "exec scenario.txt:3 33",       "exec scenario.txt:4 311", "state 0 -> 1",
        "state 1 -> 0",           "exec scenario.txt:5 3",        "end",
    };
    EXPECT_EQ(run.missingInOrder(expected), "") << "missing or out of order";
}

TEST(InterpreterHeadless, CommandsAreTracedOnlyWhenAsked) {
    TempDir out;
    auto run = runHeadless(testGame("clicks"), "until-idle 5000\nclick 10 10\nuntil-idle 5000\nclick 10 10\n",
                           out.path());
    EXPECT_TRUE(run.has("end"));
    for (const std::string& line : run.trace) EXPECT_FALSE(line.starts_with("exec ")) << line;
}

TEST(InterpreterHeadless, EnterTheWheelAndCtrlAdvanceLikeAClick) {
    TempDir out;
    auto keys = runHeadless(testGame("clicks"), "until-idle 5000\nkey ENTER\nuntil-idle 5000\nwheel -1\n",
                            out.path() / "keys");
    EXPECT_TRUE(keys.has("end"));
    // The wheel turned away from the player does not advance.
    auto away = runHeadless(testGame("clicks"), "until-idle 5000\nwheel 1\nuntil-idle 5000\nwheel 1\n",
                            out.path() / "away", "--max-ms 3000");
    EXPECT_FALSE(away.has("end"));
    auto held = runHeadless(testGame("clicks"), "keydown CTRL\n", out.path() / "held");
    EXPECT_TRUE(held.has("end"));
}

}  // namespace
}  // namespace morv::testing
