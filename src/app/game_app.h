// The application object: window, engine and main loop.
#pragma once
#include <memory>

namespace morv {

class GameWindow;
class Platform;
class ScenarioRunner;

// The application: the game window, the engine and the main loop.
class GameApp {
public:
    explicit GameApp(Platform& platform);
    ~GameApp();

    // Creates the window and brings the engine up. False only when the window
    // cannot be created; any later failure sets quit.
    bool start();
    // The main loop; returns the exit code.
    int run();
    // Shuts the engine down and destroys it (once).
    void exit();

    bool startupFailed() const { return startupFailed_; }
    // True when the engine waits for the player (or there is no engine).
    bool engineIdle() const;

    void setQuit() { quit_ = 1; }
    bool quitting() const { return quit_ == 1; }
    void setActive(bool active) { active_ = active; }
    bool active() const { return active_; }
    ScenarioRunner* runner() { return runner_.get(); }
    Platform& platform() { return platform_; }

private:
    Platform& platform_;
    std::unique_ptr<GameWindow> window_;
    std::unique_ptr<ScenarioRunner> runner_;
    int quit_ = 0;
    bool active_ = false;
    bool startupFailed_ = false;
    bool exited_ = false;
};

}  // namespace morv
