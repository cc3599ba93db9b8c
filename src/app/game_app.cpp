// Starting the engine, running the main loop and shutting down.
#include "app/game_app.h"

#include "app/main_loop.h"
#include "app/runner_window_engine.h"
#include "interpreter/scenario_runner.h"
#include "platform/platform.h"

namespace morv {

GameApp::GameApp(Platform& platform) : platform_(platform) {}

GameApp::~GameApp() { exit(); }

bool GameApp::start() {
    window_ = std::make_unique<GameWindow>(platform_, *this);
    if (!window_->create()) return false;
    runner_ = std::make_unique<ScenarioRunner>(platform_);
    windowEngine_ = std::make_unique<RunnerWindowEngine>(*runner_, platform_);
    if (!runner_->initialise()) {
        startupFailed_ = true;
        quit_ = 1;
    } else {
        window_->engineStarted();
    }
    // Checked after the engine so that its own start-up messages come first.
    int depth = platform_.window().desktopDepth();
    if (depth != 16 && depth != 32) {
        platform_.messages().error("이 프로그램은 16비트나 32비트 모드에서만 동작합니다.");
        startupFailed_ = true;
        quit_ = 1;
    }
    return true;
}

namespace {

// The engine as the main loop sees it. An open drop-down menu holds the game
// still, as a menu tracked by the system would: nothing types, fades or times out
// behind it.
class RunnerTurns : public LoopEngine {
public:
    RunnerTurns(ScenarioRunner& runner, const WindowSystem& window) : runner_(runner), window_(window) {}
    bool Tick() override { return !window_.menuOpen() && runner_.Tick(); }
    bool busy() const override { return !window_.menuOpen() && runner_.busy(); }
    bool waitsForInput() const override { return runner_.waitsForInput(); }

private:
    ScenarioRunner& runner_;
    const WindowSystem& window_;
};

}  // namespace

int GameApp::run() {
    int code = 0;
    if (quit_ != 1) {
        MainLoop loop(platform_.clock(), platform_.events(),
                      {[this](const WindowEvent& event) { window_->dispatch(event); },
                       [this] { platform_.trace().gameEnded(); }, [this] { return quit_ == 1; }});
        RunnerTurns turns(*runner_, platform_.window());
        code = loop.run(turns);
    }
    exit();
    return code;
}

void GameApp::exit() {
    if (exited_) return;
    exited_ = true;
    if (runner_) runner_->shutdown();
    windowEngine_.reset();
    runner_.reset();
}

bool GameApp::engineIdle() const { return !runner_ || runner_->idle(); }

}  // namespace morv
