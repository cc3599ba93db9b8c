// morv-check GAME_DIR [--format=text|json]
// Reports the mistakes of a game, one line (or JSON object) each with file and
// line. Exit status 0 when the game is clean, 1 with findings, 2 when it cannot run.
#include <cstdio>
#include <filesystem>
#include <string>

#include "check/game_checker.h"
#include "platform/headless/headless_platform.h"

namespace fs = std::filesystem;

namespace {

int usage(const std::string& message) {
    std::fprintf(stderr, "morv-check: %s\nusage: morv-check GAME_DIR [--format=text|json]\n", message.c_str());
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    fs::path game;
    bool json = false;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--format=json") {
            json = true;
        } else if (argument == "--format=text") {
            json = false;
        } else if (argument.starts_with("--") || !game.empty()) {
            return usage("unknown argument " + argument);
        } else {
            game = argument;
        }
    }
    if (game.empty()) return usage("no game directory");
    // The game directory is the working directory, as when the engine plays it.
    std::error_code ec;
    fs::current_path(game, ec);
    if (ec) return usage("cannot enter " + game.string());
    morv::HeadlessPlatform platform;
    const auto findings = morv::tools::checkGame(platform);
    const std::string report = json ? morv::tools::formatJson(findings) : morv::tools::formatText(findings);
    std::fputs(report.c_str(), stdout);
    return findings.empty() ? 0 : 1;
}
