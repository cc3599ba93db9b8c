// morv [GAME_DIR]: plays the game in GAME_DIR, or in the current directory when it
// holds "morv.ini", or else the bundled demo.
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "app/game_app.h"
#include "app/game_directory.h"
#include "platform/sdl/sdl_platform.h"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
    fs::path game;
    if (argc > 1) {
        game = argv[1];
    } else if (!fs::exists("morv.ini")) {
        game = MORV_DEMO_DIR;
    }
    if (!game.empty()) {
        if (auto problem = morv::gameDirectoryProblem(game)) {
            std::fprintf(stderr, "morv: the game directory %s %s\n", game.c_str(), problem->c_str());
            return 2;
        }
        std::error_code ec;
        fs::current_path(game, ec);
        if (ec) {
            std::fprintf(stderr, "morv: cannot enter the game directory %s\n", game.c_str());
            return 2;
        }
    }
    morv::SdlPlatform platform;
    if (!platform.ready()) return 1;
    morv::GameApp app(platform);
    if (!app.start()) return 1;
    bool failed = app.startupFailed();
    int code = app.run();
    return failed ? 1 : code;
}
