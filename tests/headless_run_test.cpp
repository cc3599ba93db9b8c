// morv-headless runs: playing to the end, start-up failures, snapshots and time limits.
#include <gtest/gtest.h>

#include <fstream>

#include "platform/dialog_form.h"
#include "platform/headless/event_script.h"
#include "support/headless_run.h"
#include "support/temp_dir.h"

namespace morv {
namespace {

using testing::runHeadless;
using testing::TempDir;
using testing::testGame;

TEST(HeadlessRun, PlaysAGameToItsEnd) {
    TempDir out;
    // The scenario waits for one click before its end.
    auto run = runHeadless(testGame("minimal"), "until-idle 5000\nclick 320 240\n", out.path());
    EXPECT_EQ(run.exitCode, 0);
    ASSERT_GE(run.trace.size(), 3u);
    EXPECT_EQ(run.trace.front(), "script open \"scenario.txt\" kind 3");
    // The sound system's own shutdown may trace after the end.
    EXPECT_GT(run.indexOf("end"), 0);
    EXPECT_EQ(run.trace.back(), "exit 0");
}

TEST(HeadlessRun, EscapeAsksBeforeClosingAndCancelKeepsPlaying) {
    TempDir out;
    auto run = runHeadless(testGame("minimal"), "answer cancel\nkey ESCAPE\nkey ESCAPE\n", out.path());
    EXPECT_EQ(run.exitCode, 0);
    int cancelled = run.indexOf("question \"프로그램을 종료합니다.\" -> cancel");
    int confirmed = run.indexOf("question \"프로그램을 종료합니다.\" -> ok");
    ASSERT_GE(cancelled, 0);
    ASSERT_GT(confirmed, cancelled);
    // The window closed on OK before the scenario reached its end.
    EXPECT_FALSE(run.has("end"));
}

TEST(HeadlessRun, StartUpFailuresAreReportedAndExitWithOne) {
    TempDir out;
    auto noConfig = runHeadless(testGame("no_config"), "", out.path() / "a");
    EXPECT_EQ(noConfig.exitCode, 1);
    EXPECT_TRUE(noConfig.has("message \"morv.ini 파일을 읽는중에 에러가 발생했습니다.\""));
    EXPECT_EQ(noConfig.trace.back(), "exit 1");

    auto noScenario = runHeadless(testGame("no_scenario"), "", out.path() / "b");
    EXPECT_EQ(noScenario.exitCode, 1);
    EXPECT_TRUE(noScenario.has("message \"scenario.txt 파일을 읽는중에 에러가 발생했습니다.\""));
}

TEST(HeadlessRun, AFailedStartUpStillShutsDownWhatWasMade) {
    TempDir out;
    // The flag store exists from the scenario state on; the read log comes after the scenario.
    auto noScenario = runHeadless(testGame("no_scenario"), "", out.path() / "a");
    EXPECT_TRUE(std::filesystem::exists(noScenario.outDir / "game" / "cg.cfg"));
    EXPECT_FALSE(std::filesystem::exists(noScenario.outDir / "game" / "read.dat"));

    auto noConfig = runHeadless(testGame("no_config"), "", out.path() / "b");
    EXPECT_FALSE(std::filesystem::exists(noConfig.outDir / "game" / "cg.cfg"));

    // A refused desktop depth comes after a complete engine start: everything is written.
    auto badDepth = runHeadless(testGame("minimal"), "", out.path() / "c", "--depth 16 --depth 24");
    EXPECT_EQ(badDepth.exitCode, 1);
    EXPECT_TRUE(std::filesystem::exists(badDepth.outDir / "game" / "cg.cfg"));
    EXPECT_TRUE(std::filesystem::exists(badDepth.outDir / "game" / "read.dat"));
}

TEST(HeadlessRun, UnsupportedDesktopDepthIsRefusedAfterTheEngineStarted) {
    TempDir out;
    const std::string depthMessage = "message \"이 프로그램은 16비트나 32비트 모드에서만 동작합니다.\"";
    auto run = runHeadless(testGame("minimal"), "", out.path() / "a", "--depth 24");
    EXPECT_EQ(run.exitCode, 1);
    int opened = run.indexOf("script open \"scenario.txt\" kind 3");
    int refused = run.indexOf(depthMessage);
    ASSERT_GE(opened, 0);
    EXPECT_GT(refused, opened);
    EXPECT_FALSE(run.has("end"));

    // A failing engine shows its own message first, and the depth message once.
    auto both = runHeadless(testGame("no_config"), "", out.path() / "b", "--depth 8");
    ASSERT_GE(both.trace.size(), 2u);
    EXPECT_EQ(both.trace[0], "message \"morv.ini 파일을 읽는중에 에러가 발생했습니다.\"");
    EXPECT_EQ(both.trace[1], depthMessage);
}

TEST(HeadlessRun, SnapshotsWriteThePresentedFrame) {
    TempDir out;
    auto run = runHeadless(testGame("minimal"), "snapshot first\nquit\n", out.path());
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.has("snapshot \"first\""));
    EXPECT_TRUE(std::filesystem::exists(out.path() / "first.png"));
}

TEST(HeadlessRun, TimedSnapshotsAreTakenWhenTheirTimeHasCome) {
    TempDir out;
    auto run = runHeadless(testGame("minimal"), "snapshot-after 200 later\nwait 500\nquit\n", out.path());
    int taken = run.indexOf("snapshot \"later\"");
    ASSERT_GE(taken, 0);
    EXPECT_TRUE(std::filesystem::exists(out.path() / "later.png"));
    std::ifstream trace(out.path() / "trace.txt");
    for (std::string line; std::getline(trace, line);) {
        if (line.find("\"later\"") != std::string::npos) {
            EXPECT_GE(std::stoi(line.substr(1)), 200);
        }
    }
}

TEST(HeadlessRun, TheTimeLimitEndsTheRun) {
    TempDir out;
    auto run = runHeadless(testGame("minimal"), "wait 100000\n", out.path(), "--max-ms 1");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.trace.back(), "exit 0");
}

TEST(EventScript, ReadsEveryCommandAndRejectsUnknownLines) {
    std::string error;
    auto steps = parseEventScript(
        "# comment\nwait 10\nclick 1 2\nrclick 3 4\nmove 5 6\nkey ENTER\nkeydown CTRL\nkeyup CTRL\n"
        "wheel -2\nmenu 32771\nanswer 홍길동\nsnapshot s1\nuntil-idle 500\nsnapshot-after 40 mid\nquit\n"
        "save 3\nload 90\n",
        error);
    ASSERT_TRUE(steps) << error;
    ASSERT_EQ(steps->size(), 16u);
    EXPECT_EQ((*steps)[1].kind, EventStep::Kind::Click);
    EXPECT_EQ((*steps)[1].b, 2);
    EXPECT_EQ((*steps)[7].a, -2);
    EXPECT_EQ((*steps)[9].text, "홍길동");
    EXPECT_EQ((*steps)[12].kind, EventStep::Kind::SnapshotAfter);
    EXPECT_EQ((*steps)[12].a, 40);
    EXPECT_EQ((*steps)[13].kind, EventStep::Kind::Quit);
    EXPECT_EQ((*steps)[14].kind, EventStep::Kind::Save);
    EXPECT_EQ((*steps)[15].kind, EventStep::Kind::Load);
    EXPECT_EQ((*steps)[15].a, 90);

    EXPECT_FALSE(parseEventScript("jump 3\n", error));
    EXPECT_NE(error.find("line 1"), std::string::npos);
    EXPECT_FALSE(parseEventScript("key F1\n", error));
    EXPECT_FALSE(parseEventScript("snapshot ../escape\n", error));
    EXPECT_FALSE(parseEventScript("save -1\n", error));
    EXPECT_FALSE(parseEventScript("load\n", error));
}

TEST(EventScript, ReadsTheDialogsControlEvents) {
    std::string error;
    auto steps = parseEventScript(
        "control 1000\ndblclick 10003\nscroll up\nscroll pagedown\nscroll 17\nslider 1036 2500\n"
        "check 1032 off\ncheck 1033 on\nselect 1041 2\nedit 1006 12 34\ntab 5\n",
        error);
    ASSERT_TRUE(steps) << error;
    ASSERT_EQ(steps->size(), 11u);
    EXPECT_EQ((*steps)[0].kind, EventStep::Kind::Control);
    EXPECT_EQ((*steps)[0].a, 1000);
    EXPECT_EQ((*steps)[1].kind, EventStep::Kind::DoubleClick);
    EXPECT_EQ((*steps)[2].a, ControlEvent::LineUp);
    EXPECT_EQ((*steps)[3].a, ControlEvent::PageDown);
    EXPECT_EQ((*steps)[4].a, ControlEvent::Thumb);
    EXPECT_EQ((*steps)[4].b, 17);
    EXPECT_EQ((*steps)[5].b, 2500);
    EXPECT_EQ((*steps)[6].b, 0);
    EXPECT_EQ((*steps)[7].b, 1);
    EXPECT_EQ((*steps)[8].b, 2);
    EXPECT_EQ((*steps)[9].text, "12 34");
    EXPECT_EQ((*steps)[10].a, 5);

    for (const char* bad : {"scroll sideways\n", "scroll 3x\n", "check 1032 maybe\n", "slider 1036\n", "tab 0\n",
                            "control\n"}) {
        EXPECT_FALSE(parseEventScript(bad, error)) << bad;
    }
}

}  // namespace
}  // namespace morv
