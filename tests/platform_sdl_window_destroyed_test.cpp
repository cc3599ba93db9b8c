// The real game window on an X server, destroyed by another X client: the game ends cleanly.
#include <SDL.h>
#include <gtest/gtest.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "app/game_app.h"
#include "interpreter/scenario_runner.h"
#include "platform/sdl/sdl_platform.h"
#include "platform/sdl/sdl_window.h"
#include "support/real_window_game.h"

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

// Last: Xlib's macros (None, Bool, Status) clash with the test framework's names.
#include <SDL_syswm.h>
#include <X11/Xlib.h>

namespace morv::testing {
namespace {

// A private Xvfb server for the test's lifetime; `display()` is empty when none could start.
class VirtualXServer {
public:
    VirtualXServer() {
        int ready[2];
        if (pipe(ready) != 0) return;
        pid_ = fork();
        if (pid_ == 0) {
            close(ready[0]);
            // The server must not hold the test's output open should it outlive the test.
            const int quiet = open("/dev/null", O_WRONLY);
            dup2(quiet, STDOUT_FILENO);
            dup2(quiet, STDERR_FILENO);
            const std::string fd = std::to_string(ready[1]);
            execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1024x768x24", "-nolisten", "tcp",
                   static_cast<char*>(nullptr));
            _exit(127);
        }
        close(ready[1]);
        // Xvfb writes its display number and a newline once it takes connections.
        std::string number;
        char c = 0;
        while (pid_ > 0 && number.size() < 8 && read(ready[0], &c, 1) == 1 && c != '\n') number += c;
        close(ready[0]);
        if (c == '\n' && !number.empty()) display_ = ":" + number;
    }
    ~VirtualXServer() {
        if (pid_ <= 0) return;
        kill(pid_, SIGTERM);
        for (int i = 0; i < 40; ++i) {
            if (waitpid(pid_, nullptr, WNOHANG) != 0) return;
            usleep(50'000);
        }
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
    const std::string& display() const { return display_; }

private:
    pid_t pid_ = -1;
    std::string display_;
};

TEST(SdlGameWindowOnX11, AWindowDestroyedByAnotherClientEndsTheGameCleanly) {
    VirtualXServer server;
    if (server.display().empty()) GTEST_SKIP() << "Xvfb is not available";
#if defined(__SANITIZE_ADDRESS__)
    // SDL loads X extension libraries for the window and unloads them when it quits;
    // what they keep cannot be told from a fault of ours. The same paths run leak-checked
    // on the dummy driver.
    __lsan_disable();
#endif
    setenv("DISPLAY", server.display().c_str(), 1);
    RealWindowGame game("x11");
    SdlPlatform platform;
    ASSERT_TRUE(platform.ready());
    GameApp app(platform);
    ASSERT_TRUE(app.start());
    ASSERT_FALSE(app.startupFailed());
    app.runner()->Tick();

    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    ASSERT_TRUE(SDL_GetWindowWMInfo(static_cast<SdlWindow&>(platform.window()).handle(), &info));
    Display* other = XOpenDisplay(server.display().c_str());
    ASSERT_NE(other, nullptr);
    XDestroyWindow(other, info.info.x11.window);
    XSync(other, False);
    XCloseDisplay(other);

    // Xlib's default handling of the errors that follow would end the process with status 1.
    EXPECT_EQ(app.run(), 0);
    EXPECT_TRUE(app.quitting());
#if defined(__SANITIZE_ADDRESS__)
    __lsan_enable();
#endif
}

}  // namespace
}  // namespace morv::testing
