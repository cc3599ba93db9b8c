// Choices: the buttons of select lines, the wait for a pick, the hover tint and the pick.
#include "interpreter/choice_screen.h"

#include <algorithm>

#include "config/game_config.h"
#include "display/screen.h"
#include "effects/rect_filter.h"
#include "interpreter/engine_status.h"
#include "interpreter/running_scripts.h"
#include "interpreter/save_procedure.h"
#include "interpreter/scenario_state.h"
#include "platform/display_device.h"
#include "platform/trace.h"

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
            if (c_.config.mouseTracking) movePointerToChoice(PointerTarget::Previous);
            break;
        default:
            break;
    }
}

void ChoiceScreen::pointerMove(PointerPosition at) {
    if (c_.state.choices.trackHover(at.x, at.y)) drawHighlight();
}

void ChoiceScreen::refreshHighlight() {
    const PointerPosition at = c_.display.pointer();
    c_.state.choices.hit(at.x, at.y);
    drawHighlight();
}

void ChoiceScreen::drawHighlight() {
    auto& choices = c_.state.choices;
    c_.screen.redrawTextWindow();
    if (choices.hover < 0) return;
    const ButtonRecord& choice = choices[choices.hover];
    const ConfigColor color = c_.config.highlightColor;
    filterRect(c_.screen.surface(SurfaceRole::FrameSurface), RectFilter::Blend,
               {choice.left, choice.top, choice.right - 1, choice.bottom - 1},
               {static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                static_cast<int>((color >> 16) & 0xFF)});
}

bool ChoiceScreen::pick(std::optional<PointerPosition> at) {
    auto& choices = c_.state.choices;
    const PointerPosition point = at ? *at : c_.display.pointer();
    const int index = choices.hit(point.x, point.y);
    if (index < 0) return false;
    // The page as it stands is kept first, so that the player can come back to it.
    if (!c_.config.runsFromCdRom) c_.saves.savePreviousChoice();
    const ButtonRecord choice = choices[index];
    c_.trace.choicePicked(index, choice.text);
    c_.status.set(EngineState::kScenario);
    // A target led by a decimal digit is a line; anything else is a scenario file.
    return !c_.scripts.resolveDigitLedTarget(choice.target);
}

void ChoiceScreen::movePointerToChoice(PointerTarget target) {
    auto& choices = c_.state.choices;
    if (choices.count == 0) return;
    const PointerPosition at = c_.display.pointer();
    const int hovered = choices.hit(at.x, at.y);
    const int last = static_cast<int>(choices.count) - 1;
    int index = 0;
    if (target == PointerTarget::Previous) index = hovered < 0 ? 0 : std::max(0, hovered - 1);
    if (target == PointerTarget::Next) index = std::min(last, hovered + 1);
    const ButtonRecord& choice = choices[index];
    c_.display.movePointer({(choice.left + choice.right) / 2, (choice.top + choice.bottom) / 2});
}

}  // namespace morv
