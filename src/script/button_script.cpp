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
    RecordDraft command = record(CommandId::TextButton);
    command.set(0, line.tokens.NextToken().value_or(""));
    if (!isUntargeted(command[0])) command.set(1, line.tokens.NextToken().value_or(""));
    command.set(2, line.tokens.NextToken().value_or(""));
    command.set(3, line.tokens.NextToken().value_or(""));
    command.set(4, restOf(line.tokens));
    command.argCount = 5;
    append(command);
}

// Every button keeps its target in argument 1: for the untargeted actions the
// arguments after the action move up one place.
void ButtonScript::appendButton(CommandLine& line) {
    RecordDraft command = genericRecord(CommandId::Button, line);
    if (isUntargeted(command[0])) {
        for (size_t i = 8; i >= 2; --i) command.move(i - 1, i);
    }
    append(command);
}

}  // namespace morv
