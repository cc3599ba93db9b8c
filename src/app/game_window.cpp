#include "app/game_window.h"

#include "app/game_app.h"
#include "platform/platform.h"

namespace morv {

GameWindow::GameWindow(GameApp& app) : app_(app) {}

bool GameWindow::create() { return app_.platform().window().create(kInitialWidth, kInitialHeight, "MORV"); }

void GameWindow::dispatch(const WindowEvent& event) {
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
            if (event.key == Key::Escape) confirmExit();
            break;
        default:
            break;
    }
}

void GameWindow::confirmExit() {
    if (app_.platform().messages().question("프로그램을 종료합니다.")) close();
}

void GameWindow::close() {
    app_.platform().window().destroy();
    app_.setQuit();
}

}  // namespace morv
