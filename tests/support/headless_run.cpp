// Running morv-headless on a test game and reading what it wrote.
#include "support/headless_run.h"

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>

namespace morv::testing {

bool HeadlessRun::has(const std::string& line) const { return indexOf(line) >= 0; }

int HeadlessRun::indexOf(const std::string& line) const {
    for (size_t i = 0; i < trace.size(); ++i) {
        if (trace[i] == line) return static_cast<int>(i);
    }
    return -1;
}

std::string HeadlessRun::missingInOrder(const std::vector<std::string>& lines) const {
    size_t next = 0;
    for (const std::string& line : lines) {
        while (next < trace.size() && trace[next] != line) ++next;
        if (next == trace.size()) return line;
        ++next;
    }
    return {};
}

HeadlessRun runHeadless(const std::filesystem::path& game, const std::string& events,
                        const std::filesystem::path& outDir, const std::string& extraArguments) {
    HeadlessRun run;
    run.outDir = outDir;
    std::filesystem::create_directories(outDir);
    // The engine writes its stores ("read.dat", "cg.cfg") into the game directory:
    // each run plays a copy so that the test games stay as checked in.
    std::filesystem::path copy = outDir / "game";
    std::filesystem::remove_all(copy);
    std::filesystem::copy(game, copy, std::filesystem::copy_options::recursive);
    std::filesystem::path eventsFile = outDir / "events.txt";
    std::ofstream(eventsFile) << events;
    std::string command = std::string("'") + MORV_HEADLESS_BIN + "' '" + copy.string() + "' --events '" +
                          eventsFile.string() + "' --out '" + outDir.string() + "' " + extraArguments +
                          " >/dev/null 2>&1";
    int status = std::system(command.c_str());
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream in(outDir / "trace.txt");
    for (std::string line; std::getline(in, line);) {
        size_t close = line.find("] ");
        run.trace.push_back(close == std::string::npos ? line : line.substr(close + 2));
    }
    return run;
}

std::filesystem::path testGame(const std::string& name) { return std::filesystem::path(MORV_TEST_GAMES) / name; }

}  // namespace morv::testing
