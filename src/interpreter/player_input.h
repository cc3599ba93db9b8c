// The player's operations during play: advance, the text window, skipping and auto play.
#pragma once
#include <optional>

#include "platform/pointer_position.h"

namespace morv {

class ChoiceScreen;
class Clock;
class CommandExecution;
class EffectCommands;
class EngineStatus;
class FlashShow;
class MenuScreen;
class RunningScripts;
class Screen;
class SoundSystem;
class SystemCommands;
class TextCommands;
struct GameConfig;

struct InputContext {
    const GameConfig& config;
    Screen& screen;
    EngineStatus& status;
    RunningScripts& scripts;
    SoundSystem& sound;
    FlashShow& flash;
    Clock& clock;
    TextCommands& text;
    EffectCommands& effects;
    ChoiceScreen& choices;
    MenuScreen& menus;
    SystemCommands& system;
    CommandExecution& execution;
};

// Each operation looks at the engine state and does nothing in states it does not
// name; those that can run commands return true when the game ends.
class PlayerInput {
public:
    explicit PlayerInput(const InputContext& context) : c_(context) {}

    // A click (with its position), Enter (without one).
    bool advance(std::optional<PointerPosition> at = std::nullopt);
    // The wheel turned toward the player.
    bool forwardStep();
    // Space: shows or hides the text window.
    void toggleWindow();
    // Ctrl held: everything completes at once until it is released.
    bool fastForward();
    void endFastForward();
    // The player options "읽은 문장은 빠르게" and "자동게임진행".
    void setSkipRead(bool on);
    void setAuto(bool on);

    // The advance operation once the modes are settled (also when skipping passes a page).
    bool advanceByState(std::optional<PointerPosition> at);

private:
    bool advanceShowScript();
    // Shows or hides the text window where the state allows it.
    void flipWindow();

    InputContext c_;
};

}  // namespace morv
