// Menu screens: the button script builds the buttons, the pointer hovers them, a click acts on one.
#pragma once
#include <optional>

#include "platform/pointer_position.h"
#include "script/scenario_command.h"

namespace morv {

struct ButtonRecord;
class CommandExecution;
class DisplayDevice;
class EngineStatus;
class EventSource;
class RunningScripts;
class ScenarioState;
class Screen;
class SoundSystem;
class SystemCommands;
class Trace;
struct GameConfig;

struct MenuContext {
    const GameConfig& config;
    Screen& screen;
    EngineStatus& status;
    RunningScripts& scripts;
    ScenarioState& state;
    SoundSystem& sound;
    SystemCommands& system;
    CommandExecution& execution;
    DisplayDevice& display;
    EventSource& events;
    Trace& trace;
};

class MenuScreen {
public:
    explicit MenuScreen(const MenuContext& context) : c_(context) {}

    // Runs the button script to its end and draws the buttons; true when the game ends.
    bool build();
    // The pointer moved over the menu: the buttons are drawn again when the hovered one changed.
    void pointerMove(PointerPosition at, bool force = false);
    // A click on the menu; true when the game ends.
    bool click(std::optional<PointerPosition> at);
    // Leaves a gallery picture: the menu again, nothing hovered.
    void closeGalleryPicture();

private:
    // Adds the button of a button-script line and draws it.
    void addButton(ScenarioCommand& command);
    void drawButtons();
    bool act(const ButtonRecord& button);

    MenuContext c_;
};

}  // namespace morv
