// Menu screens: the button script builds the buttons, a click acts on one.
#pragma once
#include <optional>

#include "platform/pointer_position.h"

namespace morv {

class CommandExecution;
class EngineStatus;
class MessageBoxes;
class RunningScripts;
class ScenarioState;
class Screen;
class SoundSystem;
class SystemCommands;

struct MenuContext {
    Screen& screen;
    EngineStatus& status;
    RunningScripts& scripts;
    ScenarioState& state;
    SoundSystem& sound;
    MessageBoxes& messages;
    SystemCommands& system;
    CommandExecution& execution;
};

class MenuScreen {
public:
    explicit MenuScreen(const MenuContext& context) : c_(context) {}

    // Runs the button script to its end; true when the game ends.
    bool build();
    // A click on the menu; true when the game ends.
    bool click(std::optional<PointerPosition> at);

private:
    MenuContext c_;
};

}  // namespace morv
