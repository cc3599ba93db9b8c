// The application object: window, engine and main loop.
#pragma once
#include <memory>

#include "app/game_window.h"

namespace morv {

class Platform;
class ScenarioRunner;
class WindowEngine;

// The application: the game window, the engine and the main loop.
class GameApp : public WindowHost {
public:
    explicit GameApp(Platform& platform);
    ~GameApp() override;

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

    WindowEngine* engine() override { return windowEngine_.get(); }
    void setQuit() override { quit_ = 1; }
    bool quitting() const { return quit_ == 1; }
    void setActive(bool active) override { active_ = active; }
    bool active() const { return active_; }
    ScenarioRunner* runner() { return runner_.get(); }
    Platform& platform() { return platform_; }

private:
    Platform& platform_;
    std::unique_ptr<GameWindow> window_;
    std::unique_ptr<ScenarioRunner> runner_;
    // The runner's operations as the window reaches them; goes with the runner.
    std::unique_ptr<WindowEngine> windowEngine_;
    int quit_ = 0;
    bool active_ = false;
    bool startupFailed_ = false;
    bool exited_ = false;
};

}  // namespace morv
