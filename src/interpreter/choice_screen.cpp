// Choices: the buttons of select lines, the wait for a pick and the pick itself.
#include "interpreter/choice_screen.h"

#include "display/screen.h"
#include "interpreter/engine_status.h"
#include "interpreter/running_scripts.h"
#include "interpreter/save_procedure.h"
#include "interpreter/scenario_state.h"

namespace morv {

void ChoiceScreen::perform(ScenarioCommand& command) {
    switch (command.id) {
        case CommandId::StartChoices:
            c_.state.choices.clear();
            break;
        case CommandId::Choice:
            c_.state.addChoice(command.args[0], c_.screen.textLineRect(), command.args[1]);
            break;
        case CommandId::EndChoices:
            c_.status.raise(EngineState::kChoices);
            break;
        default:
            break;
    }
}

bool ChoiceScreen::pick(std::optional<PointerPosition> at) {
    auto& choices = c_.state.choices;
    const int index = at ? choices.hit(at->x, at->y) : choices.hover;
    if (index < 0) return false;
    const std::string target = choices.buttons[static_cast<size_t>(index)].target;
    c_.status.set(EngineState::kScenario);
    // A target led by a decimal digit is a line; anything else is a scenario file.
    return !c_.scripts.resolveDigitLedTarget(target);
}

}  // namespace morv
