// Saving and loading slots asked for by window events.
#include "app/game_window.h"
#include "app/window_engine.h"
#include "platform/platform.h"

namespace morv {

void GameWindow::savedGameEvent(WindowEngine& engine, const WindowEvent& event) {
    const bool saving = event.kind == WindowEvent::Kind::SaveGame;
    const bool ok = saving ? engine.save(event.value) : engine.load(event.value);
    platform_.trace().write(std::string(saving ? "save " : "load ") + std::to_string(event.value) +
                            (ok ? " ok" : " failed"));
}

}  // namespace morv
