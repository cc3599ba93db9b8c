// Routing window events to the engine.
#include "app/game_window.h"

#include "app/game_app.h"
#include "interpreter/scenario_runner.h"
#include "platform/platform.h"
#include "sound/sound_system.h"

namespace morv {

GameWindow::GameWindow(GameApp& app) : app_(app) {}

bool GameWindow::create() { return app_.platform().window().create(kInitialWidth, kInitialHeight, "MORV"); }

void GameWindow::dispatch(const WindowEvent& event) {
    ScenarioRunner* runner = app_.runner();
    switch (event.kind) {
        case WindowEvent::Kind::Activate:
            app_.setActive(event.value != 0);
            break;
        case WindowEvent::Kind::CloseRequest:
            confirmExit();
            break;
        case WindowEvent::Kind::CloseWindow:
            close();
            break;
        case WindowEvent::Kind::KeyDown:
            if (event.key == Key::Escape) {
                confirmExit();
            } else if (runner && event.key == Key::Enter) {
                closeWhen(runner->advance());
            } else if (runner && event.key == Key::Space) {
                runner->toggleWindow();
            } else if (runner && event.key == Key::Ctrl) {
                closeWhen(runner->fastForward());
            }
            break;
        case WindowEvent::Kind::KeyUp:
            if (runner && event.key == Key::Ctrl) runner->endFastForward();
            break;
        case WindowEvent::Kind::MouseDown:
            if (runner && event.button == MouseButton::Left) closeWhen(runner->advance(PointerPosition{event.x, event.y}));
            break;
        case WindowEvent::Kind::MediaNotify:
            if (runner && runner->sound()) runner->sound()->mediaNotification(event.value);
            break;
        case WindowEvent::Kind::Wheel:
            // Toward the player: the forward step.
            if (runner && event.value < 0) closeWhen(runner->forwardStep());
            break;
        default:
            break;
    }
}

void GameWindow::closeWhen(bool gameEnded) {
    if (!gameEnded) return;
    app_.platform().trace().gameEnded();
    close();
}

void GameWindow::confirmExit() {
    if (app_.platform().messages().question("프로그램을 종료합니다.")) close();
}

void GameWindow::close() {
    app_.platform().window().destroy();
    app_.setQuit();
}

}  // namespace morv
