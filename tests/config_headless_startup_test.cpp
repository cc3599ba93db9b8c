// Configuration and script errors met at start-up on the headless platform.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/headless_run.h"
#include "support/temp_dir.h"

namespace morv::testing {
namespace {

TEST(HeadlessStartup, AnInvalidConfigurationKeyEndsStartUp) {
    TempDir out;
    HeadlessRun run = runHeadless(testGame("bad-key"), "", out.path());
    EXPECT_EQ(run.exitCode, 1);
    int parser = run.indexOf("message \"\\\"morv.ini\\\"의 3행의 \\\"WINDOW_SIZE\\\"커맨드는 올바른 커맨드가 아닙니다.\"");
    ASSERT_GE(parser, 0);
    EXPECT_EQ(run.indexOf("message \"MORV.INI 파일을 읽는중에 에러가 발생했습니다.\""), parser + 1);
    EXPECT_EQ(run.trace.back(), "exit 1");
    for (const std::string& line : run.trace) EXPECT_FALSE(line.starts_with("script open")) << line;
}

TEST(HeadlessStartup, AnInvalidCommandWordIsReportedAndTheGameGoesOn) {
    TempDir out;
    HeadlessRun run = runHeadless(testGame("bad-command"), "", out.path());
    int parser = run.indexOf("message \"\\\"시작.txt\\\"의 3행의 \\\"sprite\\\"커맨드는 올바른 커맨드가 아닙니다.\"");
    ASSERT_GE(parser, 0);
    EXPECT_GT(run.indexOf("script open \"시작.txt\" kind 3"), parser);
    EXPECT_EQ(std::count_if(run.trace.begin(), run.trace.end(),
                            [](const std::string& line) { return line.starts_with("message "); }),
              1);
}

}  // namespace
}  // namespace morv::testing
