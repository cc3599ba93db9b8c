// Saving and loading slots asked for by window events.
#include "app/game_app.h"
#include "app/game_window.h"
#include "interpreter/scenario_runner.h"
#include "platform/platform.h"

namespace morv {

void GameWindow::savedGameEvent(ScenarioRunner& runner, const WindowEvent& event) {
    const bool saving = event.kind == WindowEvent::Kind::SaveGame;
    const bool ok = saving ? runner.save(event.value) : runner.load(event.value);
    app_.platform().trace().write(std::string(saving ? "save " : "load ") + std::to_string(event.value) +
                                  (ok ? " ok" : " failed"));
}

}  // namespace morv
