// The flag store and the read log written at shutdown and read at start-up.
#include <gtest/gtest.h>

#include <filesystem>

#include "saves/flag_files.h"
#include "saves/read_log.h"
#include "support/headless_run.h"
#include "support/temp_dir.h"

namespace morv {
namespace {

// A whole run of the program loads the flag list at start-up and leaves both
// stores in the game directory at shutdown.
TEST(StoresAtShutdown, AFinishedRunWritesTheReadLogAndTheFlagStore) {
    testing::TempDir work;
    std::filesystem::path game = work.path() / "source";
    std::filesystem::copy(testing::testGame("minimal"), game);
    work.write("source/cglist.txt", "bg01\r\nbg02\r\n");

    // The scenario waits for one click before its end.
    auto run = testing::runHeadless(game, "until-idle 5000\nclick 320 240\n", work.path() / "out");
    ASSERT_EQ(run.exitCode, 0);
    std::filesystem::path played = work.path() / "out" / "game";
    auto flags = decodeFlagStore(work.read("out/game/cg.cfg"));
    ASSERT_TRUE(flags);
    ASSERT_EQ(flags->size(), 2u);
    EXPECT_EQ((*flags)[1].name, "bg02");
    EXPECT_EQ((*flags)[1].state, Flag::kNotSet);
    ASSERT_TRUE(std::filesystem::exists(played / "read.dat"));
    EXPECT_TRUE(ReadLog::decode(work.read("out/game/read.dat")));
}

}  // namespace
}  // namespace morv
