// Choices: the buttons of select lines, the wait for a pick, the hover tint and the pick.
#pragma once
#include <optional>

#include "platform/pointer_position.h"
#include "script/scenario_command.h"

namespace morv {

class DisplayDevice;
class EngineStatus;
class RunningScripts;
class SaveProcedure;
class ScenarioState;
class Screen;
class Trace;
struct GameConfig;

struct ChoiceContext {
    const GameConfig& config;
    Screen& screen;
    EngineStatus& status;
    RunningScripts& scripts;
    ScenarioState& state;
    SaveProcedure& saves;
    DisplayDevice& display;
    Trace& trace;
};

class ChoiceScreen {
public:
    // Where MovePointerToChoice puts the pointer.
    enum class PointerTarget { First = 0, Previous = 1, Next = 2 };

    explicit ChoiceScreen(const ChoiceContext& context) : c_(context) {}

    // Start of choices, a choice and end of choices.
    void perform(ScenarioCommand& command);
    // The pointer moved while choices wait: the hovered choice is tinted.
    void pointerMove(PointerPosition at);
    // The text window again with the choice under the pointer tinted (every tick
    // while a plug-in animation draws over it).
    void refreshHighlight();
    // The choice under the point (or the pointer) is picked; true when its target
    // file cannot be opened.
    bool pick(std::optional<PointerPosition> at);
    // Puts the pointer on the centre of the first, previous or next choice.
    void movePointerToChoice(PointerTarget target);

private:
    // The text window again, without new layout, with the hovered choice tinted.
    void drawHighlight();

    ChoiceContext c_;
};

}  // namespace morv
