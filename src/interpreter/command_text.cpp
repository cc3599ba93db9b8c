// Text output, pages, the text window, fonts and drawn text.
#include <algorithm>

#include "config/game_config.h"
#include "display/screen.h"
#include "interpreter/command_arguments.h"
#include "interpreter/engine_status.h"
#include "interpreter/text_commands.h"
#include "platform/clock.h"
#include "platform/cp949.h"
#include "script/numeric_text.h"
#include "script/variable_table.h"

namespace morv {

namespace {

// More blanks than any window holds; a larger textspace count shows no more.
constexpr int32_t kMaxTextSpace = 1024;

}  // namespace

void TextCommands::substitute(ScenarioCommand& command, int first, int last) {
    substituteArguments(c_.variables, command, first, last);
}

void TextCommands::outputText(const std::string& text) {
    EngineStatus& status = c_.status;
    status.raise(EngineState::kTyping);
    const bool atOnce = status.hurried();
    status.step.begin(c_.clock.ticks(), 100 - 10 * c_.config.textSpeed);
    const int result = c_.screen.showMessage(text, !atOnce);
    if (atOnce) {
        settleText(result == Screen::kTextDrawn ? c_.screen.revealRest() : result);
    } else if (result == Screen::kTextFinished) {
        status.lower(EngineState::kTyping);
    } else if (result == Screen::kTextPageFull) {
        status.pageWait = true;
    }
}

void TextCommands::typeNextStep() {
    if (!c_.status.step.due(c_.clock.ticks())) return;
    const int result = c_.screen.revealNext();
    if (result == Screen::kTextFinished) {
        c_.status.lower(EngineState::kTyping);
    } else if (result == Screen::kTextPageFull) {
        c_.status.pageWait = true;
    }
}

void TextCommands::settleText(int result) {
    if (result == Screen::kTextPageFull) {
        c_.status.pageWait = true;
    } else {
        c_.status.lower(EngineState::kTyping);
    }
}

void TextCommands::revealRest() { settleText(c_.screen.revealRest()); }

void TextCommands::continueText() {
    c_.status.pageWait = false;
    const int result = c_.screen.continueOnFreshPage();
    // Text that is skipped or was hurried along shows its next page whole as well.
    if (result == Screen::kTextDrawn && c_.status.hurried()) {
        settleText(c_.screen.revealRest());
    } else if (result != Screen::kTextDrawn) {
        settleText(result);
    }
}

void TextCommands::startAutoWait() {
    c_.status.delay.begin(c_.clock.ticks(), static_cast<uint32_t>(std::max(0, 2000 - 200 * c_.config.autoSpeed)),
                          true);
}

void TextCommands::blinkCaret() { c_.screen.blinkCaret(c_.status.pageWait, c_.status.state().pluginRunning()); }

void TextCommands::perform(ScenarioCommand& command) {
    auto& args = command.args;
    EngineStatus& status = c_.status;
    Screen& screen = c_.screen;
    switch (command.id) {
        case CommandId::Text:
            outputText(args[0]);
            break;
        case CommandId::WriteVariable:
            outputText(c_.variables.ValueText(args[0]));
            break;
        case CommandId::TextSpace: {
            substitute(command, 0, 0);
            const int32_t count = std::clamp(decimalValue(args[0]), 1, kMaxTextSpace);
            outputText(std::string(static_cast<size_t>(count), ' '));
            break;
        }
        case CommandId::NextLine:
            if (screen.newLine()) {
                if (status.autoMode) {
                    startAutoWait();
                } else if (!status.skipAll) {
                    status.run = false;
                }
            }
            break;
        case CommandId::NextPage:
            screen.resetPage(false);
            break;
        case CommandId::Wait:
            status.fastForward = false;
            if (status.autoMode) {
                startAutoWait();
            } else if (!status.skipAll) {
                status.run = false;
            }
            break;
        case CommandId::Window:
            substitute(command, 0, 0);
            screen.setSceneChanged(true);
            screen.setTextWindowHidden(cp949::equalsIgnoreCase(args[0], "OFF"));
            break;
        case CommandId::WindowSize:
            substitute(command, 0, 0);
            screen.setSceneChanged(true);
            screen.setFullScreenText(cp949::equalsIgnoreCase(args[0], "FULL"));
            screen.redrawTextWindow();
            break;
        case CommandId::SetFont:
            substitute(command, 0, 2);
            if (command.argCount <= 0) {
                screen.resetFont();
            } else if (command.argCount == 1) {
                screen.setFont(args[0]);
            } else if (command.argCount == 2) {
                screen.setFont(args[0], args[1]);
            } else {
                screen.setFont(args[0], args[1], decimalValue(args[2]));
            }
            break;
        case CommandId::SetTextColor:
            substitute(command, 0, 2);
            screen.setTextColor(command.argCount > 0 ? configColor(decimalValue(args[0]), decimalValue(args[1]),
                                                                   decimalValue(args[2]))
                                                     : c_.config.textColor);
            break;
        case CommandId::DrawText:
        case CommandId::BufferDrawText:
        case CommandId::DrawVariable:
        case CommandId::BufferDrawVariable: {
            substitute(command, 0, 1);
            const bool variable = command.id == CommandId::DrawVariable || command.id == CommandId::BufferDrawVariable;
            const std::string text = variable ? c_.variables.ValueText(args[2]) : args[2];
            screen.drawText(decimalValue(args[0]), decimalValue(args[1]), text, TextTarget::Stage);
            if (command.id == CommandId::DrawText || command.id == CommandId::DrawVariable) screen.showStage();
            break;
        }
        default:
            break;
    }
}

}  // namespace morv
