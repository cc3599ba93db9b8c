// Running morv-headless from tests and reading what it wrote.
#pragma once
#include <filesystem>
#include <string>
#include <vector>

namespace morv::testing {

struct HeadlessRun {
    int exitCode = -1;
    std::vector<std::string> trace;  // the trace's lines without their time prefix
    std::filesystem::path outDir;

    bool has(const std::string& line) const;
    // Index of the first line equal to `line`, or -1.
    int indexOf(const std::string& line) const;
    // The first of `lines` that the trace lacks in that order after the ones before
    // it, or empty when all of them appear in order.
    std::string missingInOrder(const std::vector<std::string>& lines) const;
};

// Runs the morv-headless program on a game directory with an event script.
// `outDir` receives trace.txt and the snapshots.
HeadlessRun runHeadless(const std::filesystem::path& game, const std::string& events,
                        const std::filesystem::path& outDir, const std::string& extraArguments = "");

// The directory of a test game under tests/games.
std::filesystem::path testGame(const std::string& name);

}  // namespace morv::testing
