// Parsing button scripts.
#include "script/button_script.h"

#include "platform/cp949.h"

namespace morv {
namespace {

// Actions that need no target.
bool isUntargeted(std::string_view action) {
    return cp949::equalsIgnoreCase(action, "LOAD") || cp949::equalsIgnoreCase(action, "END") ||
           cp949::equalsIgnoreCase(action, "CLEAR");
}

}  // namespace

bool ButtonScript::parseCommand(CommandLine& line) {
    const CommandEntry* entry = findCommand(line.word, ScriptKind::ButtonScript);
    if (!entry) return false;
    switch (entry->form) {
        case CommandForm::TextButton:
            appendTextButton(line);
            break;
        case CommandForm::ActionShift:
            appendButton(line);
            break;
        default:
            appendCommonForm(*entry, line);
            break;
    }
    return true;
}

// "textbutton action [target] x y text".
void ButtonScript::appendTextButton(CommandLine& line) {
    ScenarioCommand command = record(CommandId::TextButton);
    command.args.slot(0) = line.tokens.NextToken().value_or("");
    if (!isUntargeted(command.args[0])) command.args.slot(1) = line.tokens.NextToken().value_or("");
    command.args.slot(2) = line.tokens.NextToken().value_or("");
    command.args.slot(3) = line.tokens.NextToken().value_or("");
    command.args.slot(4) = restOf(line.tokens);
    command.argCount = 5;
    append(std::move(command));
}

// Every button keeps its target in argument 1: for the untargeted actions the
// arguments after the action move up one place.
void ButtonScript::appendButton(CommandLine& line) {
    ScenarioCommand command = genericRecord(CommandId::Button, line);
    if (isUntargeted(command.args[0])) {
        for (int i = 8; i >= 2; --i) {
            std::string moved = std::move(command.args.slot(i - 1));
            command.args.slot(i) = std::move(moved);
        }
        command.args.slot(1).clear();
    }
    append(std::move(command));
}

}  // namespace morv
