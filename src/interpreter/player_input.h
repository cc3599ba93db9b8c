// The player's operations during play: advance, the text window, cancel, skipping,
// auto play, the review, the arrow keys and the pointer.
#pragma once
#include <cstdint>
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
class MessageBoxes;
class ReviewScreen;
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
    MessageBoxes& messages;
    TextCommands& text;
    EffectCommands& effects;
    ChoiceScreen& choices;
    MenuScreen& menus;
    ReviewScreen& review;
    SystemCommands& system;
    CommandExecution& execution;
};

// Each operation looks at the engine state and does nothing in states it does not
// name; those that can run commands return true when the game ends.
class PlayerInput {
public:
    enum class Arrow { Up, Down };

    explicit PlayerInput(const InputContext& context) : c_(context) {}

    // A click (with its position), Enter (without one).
    bool Advance(std::optional<PointerPosition> at = std::nullopt);
    // Space: shows or hides the text window.
    void toggleWindow();
    // Escape; true when the player agreed to close the program.
    bool cancel();
    // Ctrl held: everything completes at once until it is released.
    bool fastForward();
    void endFastForward();
    // The player options "읽은 문장은 빠르게" and "자동게임진행".
    void setSkipRead(bool on);
    void setAuto(bool on);
    // The wheel turned away from the player, or "지난 문장 보기".
    void reviewBack();
    // The wheel turned toward the player: the text goes on, or the review steps forward.
    bool reviewForward();
    bool arrowKey(Arrow arrow);
    void pointerMove(PointerPosition at, bool leftHeld);
    void buttonRelease();

    // The advance operation once the modes are settled (also when skipping passes a page).
    bool advanceByState(std::optional<PointerPosition> at);

private:
    bool advanceShowScript();
    // A click while the window is hidden only brings it back, where the state allows.
    void showHiddenWindow();
    // Shows or hides the text window where the state allows it.
    void flipWindow();

    InputContext c_;
    // The run flag before the advance that is being handled.
    bool runBeforeAdvance_ = true;
};

}  // namespace morv
