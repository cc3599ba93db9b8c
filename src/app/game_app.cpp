#include "app/game_app.h"

#include "app/game_window.h"
#include "interpreter/scenario_runner.h"
#include "platform/platform.h"

namespace morv {

GameApp::GameApp(Platform& platform) : platform_(platform) {}

GameApp::~GameApp() { exit(); }

bool GameApp::start() {
    window_ = std::make_unique<GameWindow>(*this);
    if (!window_->create()) return false;
    runner_ = std::make_unique<ScenarioRunner>(platform_);
    if (!runner_->initialise()) {
        startupFailed_ = true;
        quit_ = 1;
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

int GameApp::run() {
    Clock& clock = platform_.clock();
    EventSource& events = platform_.events();
    uint32_t last = clock.ticks();
    while (quit_ != 1) {
        WindowEvent event;
        if (events.poll(event)) {
            if (event.kind == WindowEvent::Kind::Quit) {
                exit();
                return event.value;
            }
            window_->dispatch(event);
            continue;
        }
        if (runner_->tick()) {
            platform_.trace().gameEnded();
            WindowEvent close;
            close.kind = WindowEvent::Kind::CloseWindow;
            events.post(close);
        }
        if (runner_->busy()) continue;
        uint32_t now = clock.ticks();
        uint32_t elapsed = now - last;
        if (elapsed < kIdleTurnMs) clock.sleep(kIdleTurnMs - elapsed);
        last = now;
    }
    exit();
    return 0;
}

void GameApp::exit() {
    if (exited_) return;
    exited_ = true;
    if (runner_) runner_->shutdown();
    runner_.reset();
}

bool GameApp::engineIdle() const { return !runner_ || runner_->idle(); }

}  // namespace morv
