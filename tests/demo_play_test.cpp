// The demo played from its title menu through both choices, the review and Escape.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "support/headless_run.h"
#include "support/temp_dir.h"

namespace morv::testing {
namespace {

// The demo as checked in, without the stores an earlier run may have left in it.
std::filesystem::path demoCopy(const TempDir& dir) {
    const std::filesystem::path demo = std::filesystem::path(MORV_TEST_GAMES) / ".." / ".." / "games" / "demo";
    const std::filesystem::path copy = dir.path() / "demo";
    std::filesystem::copy(demo, copy, std::filesystem::copy_options::recursive);
    std::filesystem::remove(copy / "cg.cfg");
    std::filesystem::remove(copy / "read.dat");
    std::filesystem::remove(copy / "MORV 데모.cfg");  // the player's settings
    return copy;
}

std::string clicksThroughPages(int pages) {
    std::string events;
    for (int i = 0; i < pages; ++i) events += "until-idle 10000\nclick 320 440\n";
    return events;
}

TEST(DemoPlay, TitleMenuChoicesByClickAndByKeysReviewAndACancelledEscape) {
    TempDir dir;
    const std::filesystem::path game = demoCopy(dir);
    const std::string events = "until-idle 10000\nclick 320 270\n" + clicksThroughPages(4) +
                               // Mouse tracking rests the pointer on the first choice.
                               "until-idle 10000\nclick 322 350\n" + clicksThroughPages(6) +
                               "until-idle 10000\nkey DOWN\nkey ENTER\nuntil-idle 10000\n"
                               "wheel 1\nwheel 1\nwheel -1\nwheel -1\n"
                               "answer cancel\nkey ESCAPE\n" +
                               clicksThroughPages(4);
    auto run = runHeadless(game, events, dir.path() / "out");
    EXPECT_EQ(run.exitCode, 0);
    const std::vector<std::string> expected = {
        "button 0",
        "state 16 -> 0",
        "state 0 -> 256",
        "pointer 322 350",
        "choice 0 \"그래, 같이 가자!\"",
        "script open \"회상.txt\" kind 3",
        "choice 1 \"잠깐, 차부터 한 잔 마시고.\"",
        "state 0 -> 4",
        "state 4 -> 0",
        "question \"프로그램을 종료합니다.\" -> cancel",
        "script open \"결말.txt\" kind 3",
        "end",
    };
    EXPECT_EQ(run.missingInOrder(expected), "") << "missing or out of order";
}

TEST(DemoPlay, TheGalleryOpensTheSeenPictureOnlyAndClearLocksItAgain) {
    TempDir dir;
    const std::filesystem::path game = demoCopy(dir);
    // Title, gallery, the seen picture and back, the locked one, CLEAR, the gallery again.
    auto run = runHeadless(game,
                           "until-idle 10000\nclick 300 320\nuntil-idle 10000\nclick 100 150\nclick 100 150\n"
                           "click 400 150\nclick 100 360\nclick 430 350\nclick 100 150\nquit\n",
                           dir.path() / "out");
    EXPECT_EQ(run.exitCode, 0);
    const int opened = run.indexOf("state 16 -> 26");
    ASSERT_GE(opened, 0);
    EXPECT_GE(run.indexOf("state 26 -> 16"), opened);
    // After CLEAR and a new build of the gallery the first picture is locked: no state 26 again.
    int count = 0;
    for (const std::string& line : run.trace) count += line == "state 16 -> 26";
    EXPECT_EQ(count, 1);
    EXPECT_GE(run.indexOf("button 2"), 0);  // the CLEAR button
}

TEST(DemoPlay, ASavedPageComesBackAfterTheStoryMovedOn) {
    TempDir dir;
    const std::filesystem::path game = demoCopy(dir);
    const std::string events = "until-idle 10000\nclick 300 270\n" + clicksThroughPages(1) +
                               "until-idle 10000\nsave 3\n" + clicksThroughPages(3) +
                               "until-idle 10000\nload 3\nuntil-idle 10000\nload 7\nquit\n";
    auto run = runHeadless(game, events, dir.path() / "out", "--trace-commands");
    EXPECT_EQ(run.exitCode, 0);
    const std::vector<std::string> expected = {
        "save 3 ok",
        "state 0 -> 256",
        "script open \"본편.txt\" kind 3",
        "load 3 ok",
        "message \"파일 읽기에 실패했습니다.\"",
        "load 7 failed",
    };
    EXPECT_EQ(run.missingInOrder(expected), "") << "missing or out of order";
    // The page on view when saving is typed again after the load.
    const int saved = run.indexOf("save 3 ok");
    const int loaded = run.indexOf("load 3 ok");
    ASSERT_GT(saved, 0);
    ASSERT_GT(loaded, saved);
    std::string lastPage;
    for (int i = saved; i >= 0 && lastPage.empty(); --i) {
        if (run.trace[i].starts_with("exec ") && run.trace[i].ends_with(" 332")) lastPage = run.trace[i];
    }
    ASSERT_FALSE(lastPage.empty());
    EXPECT_NE(std::find(run.trace.begin() + loaded, run.trace.end(), lastPage), run.trace.end()) << lastPage;
    EXPECT_TRUE(std::filesystem::exists(run.outDir / "game" / "Save0003.dat"));
}

}  // namespace
}  // namespace morv::testing
