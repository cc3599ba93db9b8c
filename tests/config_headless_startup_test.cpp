#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "test_game_dir.h"

namespace morv::testing {
namespace {

struct HeadlessRun {
    int status = -1;
    std::vector<std::string> trace;  // lines without their time prefix
};

HeadlessRun runHeadless(const std::string& game) {
    TestGameDir out;
    std::string command = std::string("'") + MORV_HEADLESS_BIN + "' '" + MORV_TEST_GAMES + "/" + game + "' --out '" +
                          out.path().string() + "' --max-ms 10000 > /dev/null 2>&1";
    HeadlessRun run;
    int raw = std::system(command.c_str());
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    std::ifstream trace(out.path() / "trace.txt");
    for (std::string line; std::getline(trace, line);) {
        size_t stamp = line.find("] ");
        run.trace.push_back(stamp == std::string::npos ? line : line.substr(stamp + 2));
    }
    return run;
}

long indexOf(const std::vector<std::string>& lines, const std::string& line) {
    auto it = std::find(lines.begin(), lines.end(), line);
    return it == lines.end() ? -1 : it - lines.begin();
}

TEST(HeadlessStartup, AnInvalidConfigurationKeyEndsStartUp) {
    HeadlessRun run = runHeadless("bad-key");
    EXPECT_EQ(run.status, 1);
    long parser = indexOf(run.trace, "message \"\\\"morv.ini\\\"의 3행의 \\\"WINDOW_SIZE\\\"커맨드는 올바른 커맨드가 아닙니다.\"");
    long reader = indexOf(run.trace, "message \"MORV.INI 파일을 읽는중에 에러가 발생했습니다.\"");
    ASSERT_GE(parser, 0);
    EXPECT_EQ(reader, parser + 1);
    EXPECT_EQ(run.trace.back(), "exit 1");
    for (const std::string& line : run.trace) EXPECT_EQ(line.find("script open"), std::string::npos) << line;
}

TEST(HeadlessStartup, AnInvalidCommandWordIsReportedAndTheGameGoesOn) {
    HeadlessRun run = runHeadless("bad-command");
    long parser = indexOf(run.trace, "message \"\\\"시작.txt\\\"의 3행의 \\\"sprite\\\"커맨드는 올바른 커맨드가 아닙니다.\"");
    long opened = indexOf(run.trace, "script open \"시작.txt\" kind 3");
    ASSERT_GE(parser, 0);
    EXPECT_GT(opened, parser);
    EXPECT_EQ(std::count_if(run.trace.begin(), run.trace.end(),
                            [](const std::string& line) { return line.starts_with("message "); }),
              1);
}

}  // namespace
}  // namespace morv::testing
