// The Korean test game set up for a test of the real window.
#include "support/real_window_game.h"

#include <cstdlib>
#include <filesystem>

#include "support/headless_run.h"

namespace morv::testing {

namespace {

const std::filesystem::path& withDrivers(const char* videoDriver, const TempDir& game) {
    setenv("SDL_VIDEODRIVER", videoDriver, 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    setenv("SDL_RENDER_DRIVER", "software", 1);
    std::filesystem::copy(testGame("korean_text"), game.path(), std::filesystem::copy_options::recursive);
    return game.path();
}

}  // namespace

RealWindowGame::RealWindowGame(const char* videoDriver) : inGame_(withDrivers(videoDriver, game_)) {}

}  // namespace morv::testing
