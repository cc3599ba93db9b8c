// Text, page and choice commands.
#include <algorithm>

#include "config/game_config.h"
#include "display/screen.h"
#include "interpreter/scenario_runner.h"
#include "interpreter/scenario_state.h"
#include "platform/cp949.h"
#include "platform/platform.h"
#include "script/numeric_text.h"
#include "script/script_factory.h"

namespace morv {

namespace {

// More blanks than any window holds; a larger textspace count shows no more.
constexpr int32_t kMaxTextSpace = 1024;

}  // namespace

void ScenarioRunner::outputText(const std::string& text) {
    raiseState(EngineState::kTyping);
    const bool atOnce = skipAll_ || fastForward_ || skippingReadLine();
    step_.begin(now(), 100 - 10 * config_->textSpeed);
    const int result = screen_->showMessage(text, !atOnce);
    if (atOnce) {
        settleText(result == Screen::kTextDrawn ? screen_->revealRest() : result);
    } else if (result == Screen::kTextFinished) {
        lowerState(EngineState::kTyping);
    } else if (result == Screen::kTextPageFull) {
        pageWait_ = true;
    }
}

void ScenarioRunner::settleText(int result) {
    if (result == Screen::kTextPageFull) {
        pageWait_ = true;
    } else {
        lowerState(EngineState::kTyping);
    }
}

bool ScenarioRunner::performText(ScenarioCommand& command) {
    auto& args = command.args;
    switch (command.id) {
        case CommandId::Text:
            outputText(args[0]);
            break;
        case CommandId::WriteVariable:
            outputText(state_->variables.ValueText(args[0]));
            break;
        case CommandId::TextSpace: {
            substitute(command, 0, 0);
            const int32_t count = std::clamp(decimalValue(args[0]), 1, kMaxTextSpace);
            outputText(std::string(static_cast<size_t>(count), ' '));
            break;
        }
        case CommandId::NextLine:
            if (screen_->newLine()) {
                if (autoMode_) {
                    startAutoWait();
                } else if (!skipAll_) {
                    run_ = false;
                }
            }
            break;
        case CommandId::NextPage:
            screen_->resetPage(false);
            break;
        case CommandId::Wait:
            fastForward_ = false;
            if (autoMode_) {
                startAutoWait();
            } else if (!skipAll_) {
                run_ = false;
            }
            break;
        case CommandId::Window:
            substitute(command, 0, 0);
            screen_->setSceneChanged(true);
            screen_->setTextWindowHidden(cp949::equalsIgnoreCase(args[0], "OFF"));
            break;
        case CommandId::WindowSize:
            substitute(command, 0, 0);
            screen_->setSceneChanged(true);
            screen_->setFullScreenText(cp949::equalsIgnoreCase(args[0], "FULL"));
            screen_->redrawTextWindow();
            break;
        case CommandId::SetFont:
            substitute(command, 0, 2);
            if (command.argCount <= 0) {
                screen_->resetFont();
            } else if (command.argCount == 1) {
                screen_->setFont(args[0]);
            } else if (command.argCount == 2) {
                screen_->setFont(args[0], args[1]);
            } else {
                screen_->setFont(args[0], args[1], decimalValue(args[2]));
            }
            break;
        case CommandId::SetTextColor:
            substitute(command, 0, 2);
            screen_->setTextColor(command.argCount > 0 ? configColor(decimalValue(args[0]), decimalValue(args[1]),
                                                                     decimalValue(args[2]))
                                                       : config_->textColor);
            break;
        case CommandId::DrawText:
        case CommandId::BufferDrawText:
        case CommandId::DrawVariable:
        case CommandId::BufferDrawVariable: {
            substitute(command, 0, 1);
            const bool variable = command.id == CommandId::DrawVariable || command.id == CommandId::BufferDrawVariable;
            const std::string text = variable ? state_->variables.ValueText(args[2]) : args[2];
            screen_->drawText(decimalValue(args[0]), decimalValue(args[1]), text, TextTarget::Stage);
            if (command.id == CommandId::DrawText || command.id == CommandId::DrawVariable) screen_->showStage();
            break;
        }
        default:
            break;
    }
    return false;
}

bool ScenarioRunner::performChoice(ScenarioCommand& command) {
    switch (command.id) {
        case CommandId::StartChoices:
            state_->choices.clear();
            break;
        case CommandId::Choice:
            state_->addChoice(command.args[0], screen_->textLineRect(), command.args[1]);
            break;
        case CommandId::EndChoices:
            raiseState(EngineState::kChoices);
            break;
        default:
            break;
    }
    return false;
}

bool ScenarioRunner::pickChoice(std::optional<PointerPosition> at) {
    auto& choices = state_->choices;
    const int index = at ? state_->hitChoice(at->x, at->y) : choices.hover;
    if (index < 0) return false;
    const std::string target = choices.buttons[static_cast<size_t>(index)].target;
    setEngineState(EngineState::kScenario);
    // A target led by a decimal digit is a line; anything else is a scenario file.
    if (!target.empty() && target[0] >= '0' && target[0] <= '9') {
        script_->GoToLine(decimalValue(target));
        return false;
    }
    script_ = factory_->Open(target, ScriptKind::Scenario);
    return !script_;
}

}  // namespace morv
