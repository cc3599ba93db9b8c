// Routing window events to the engine.
#include "app/game_window.h"

#include "app/game_app.h"
#include "interpreter/player_input.h"
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
            if (!runner) {
                if (event.key == Key::Escape) confirmExit();
            } else {
                keyDown(*runner, event.key);
            }
            break;
        case WindowEvent::Kind::KeyUp:
            if (runner && event.key == Key::Ctrl) runner->endFastForward();
            break;
        case WindowEvent::Kind::MouseDown:
            if (runner && event.button == MouseButton::Left) closeWhen(runner->Advance(PointerPosition{event.x, event.y}));
            break;
        case WindowEvent::Kind::MouseUp:
            if (runner && event.button == MouseButton::Left) runner->buttonRelease();
            break;
        case WindowEvent::Kind::MouseMove:
            if (runner) runner->pointerMove(PointerPosition{event.x, event.y}, event.value != 0);
            break;
        case WindowEvent::Kind::MediaNotify:
            if (runner && runner->sound()) runner->sound()->mediaNotification(event.value);
            break;
        case WindowEvent::Kind::Wheel:
            if (runner) wheel(*runner, event.value);
            break;
        case WindowEvent::Kind::SaveGame:
        case WindowEvent::Kind::LoadGame:
            if (runner) savedGameEvent(*runner, event);
            break;
        default:
            break;
    }
}

void GameWindow::keyDown(ScenarioRunner& runner, Key key) {
    switch (key) {
        case Key::Escape:
            if (runner.cancel()) close();
            break;
        case Key::Enter:
            closeWhen(runner.Advance());
            break;
        case Key::Space:
            runner.toggleWindow();
            break;
        case Key::Ctrl:
            closeWhen(runner.fastForward());
            break;
        case Key::Up:
        case Key::Down:
            closeWhen(runner.arrowKey(key == Key::Up ? PlayerInput::Arrow::Up : PlayerInput::Arrow::Down));
            break;
        default:
            break;
    }
}

void GameWindow::wheel(ScenarioRunner& runner, int notches) {
    // Toward the player (negative) the text goes on; away from the player the review steps back.
    for (int i = 0; i < (notches < 0 ? -notches : notches); ++i) {
        if (notches > 0) {
            runner.reviewBack();
        } else if (runner.reviewForward()) {
            closeWhen(true);
            return;
        }
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
