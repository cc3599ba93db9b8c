// Choices: the buttons of select lines, the wait for a pick and the pick itself.
#pragma once
#include <optional>

#include "platform/pointer_position.h"
#include "script/scenario_command.h"

namespace morv {

class EngineStatus;
class RunningScripts;
class SaveProcedure;
class ScenarioState;
class Screen;

struct ChoiceContext {
    Screen& screen;
    EngineStatus& status;
    RunningScripts& scripts;
    ScenarioState& state;
    SaveProcedure& saves;
};

class ChoiceScreen {
public:
    explicit ChoiceScreen(const ChoiceContext& context) : c_(context) {}

    // Start of choices, a choice and end of choices.
    void perform(ScenarioCommand& command);
    // The choice under the point is picked; true when its target file cannot be opened.
    bool pick(std::optional<PointerPosition> at);

private:
    ChoiceContext c_;
};

}  // namespace morv
