// Parsing the story scenario: text lines, choices, variables and conditions.
#include "script/scenario_script.h"

#include <algorithm>

#include "platform/cp949.h"

namespace morv {
namespace {

constexpr std::string_view kContinuation = "+";

// Trailing bytes that belong to a set line's operator, not to the name.
std::string_view trimOperator(std::string_view name) {
    constexpr std::string_view kOperatorBytes = " +-*/%=";
    size_t end = name.find_last_not_of(kOperatorBytes);
    return end == std::string_view::npos ? std::string_view() : name.substr(0, end + 1);
}

}  // namespace

bool ScenarioScript::parseCommand(CommandLine& line) {
    if (line.word == kContinuation) {
        appendContinuation(line);
        return true;
    }
    const CommandEntry* entry = findCommand(line.word, ScriptKind::Scenario);
    if (!entry) return false;
    switch (entry->form) {
        case CommandForm::Text:
            appendText(line, CommandId::NextPage);
            break;
        case CommandForm::AddText:
            append(textRecord(line));
            break;
        case CommandForm::WriteVariable:
            appendRest(line, CommandId::WriteVariable);
            break;
        case CommandForm::SaveComment:
            appendRest(line, CommandId::SaveComment);
            break;
        case CommandForm::Select:
            appendChoice(line, CommandId::NextPage, true);
            break;
        case CommandForm::NcSelect:
            appendChoice(line, CommandId::NextLine, true);
            break;
        case CommandForm::Init:
            appendInit(line);
            break;
        case CommandForm::Reset:
            append(record(CommandId::Reset));
            break;
        case CommandForm::Set:
            appendSet(line);
            break;
        case CommandForm::If:
            appendIf(line);
            break;
        case CommandForm::SetString: {
            RecordDraft command = record(CommandId::SetString);
            command.set(0, line.tokens.NextToken().value_or(""));
            command.set(1, restOf(line.tokens));
            command.argCount = 2;
            append(command);
            break;
        }
        case CommandForm::CgEffect2: {
            RecordDraft command = record(CommandId::CgEffect2);
            command.set(0, line.tokens.NextToken().value_or(""));
            command.set(1, restOf(line.tokens));
            command.argCount = std::max(line.tokenCount - 1, 0);
            append(command);
            break;
        }
        default:
            appendCommonForm(*entry, line);
            break;
    }
    return true;
}

RecordDraft ScenarioScript::textRecord(CommandLine& line) {
    std::string_view text = restOf(line.tokens);
    if (text.starts_with("[+]")) text.remove_prefix(3);
    RecordDraft command = record(CommandId::Text);
    command.set(0, text);
    command.argCount = 1;
    return command;
}

bool ScenarioScript::continues() const { return firstWordOf(lineCounter() + 1) == kContinuation; }

void ScenarioScript::appendText(CommandLine& line, CommandId opening) {
    append(record(opening));
    append(textRecord(line));
    if (!continues()) append(record(CommandId::Wait));
}

void ScenarioScript::appendChoice(CommandLine& line, CommandId opening, bool startsList) {
    append(record(opening));
    if (startsList) append(record(CommandId::StartChoices));
    RecordDraft choice = record(CommandId::Choice);
    choice.set(0, line.tokens.NextToken().value_or(""));
    choice.set(1, restOf(line.tokens));
    choice.argCount = 2;
    RecordDraft text = record(CommandId::Text);
    text.set(0, choice[1]);
    text.argCount = 1;
    append(choice);
    append(text);
    if (!continues()) append(record(CommandId::EndChoices));
}

// A "+" line continues the nearest text or choice line above it; ditto and other
// "+" lines are looked through, an empty or comment line ends the look.
void ScenarioScript::appendContinuation(CommandLine& line) {
    const std::string_view word = continuedWord();
    if (cp949::equalsIgnoreCase(word, "text")) {
        appendText(line, CommandId::NextLine);
    } else if (cp949::equalsIgnoreCase(word, "select") || cp949::equalsIgnoreCase(word, "ncselect")) {
        appendChoice(line, CommandId::NextLine, false);
    }
}

void ScenarioScript::appendRest(CommandLine& line, CommandId id) {
    RecordDraft command = record(id);
    command.set(0, restOf(line.tokens));
    command.argCount = 1;
    append(command);
}

// "set name op= value [random]": the operator is the byte just before "=", a blank
// when the line assigns.
void ScenarioScript::appendSet(CommandLine& line) {
    RecordDraft command = record(CommandId::Set);
    const std::string_view left = line.tokens.NextToken("=").value_or("");
    if (!left.empty()) command.set(2, left.substr(left.size() - 1));
    command.set(0, trimOperator(cp949::trimLeft(left)));
    command.set(1, line.tokens.NextToken("= ").value_or(""));
    command.set(3, line.tokens.NextToken().value_or(""));
    command.argCount = cp949::equalsIgnoreCase(command[3], "random") ? 4 : 3;
    append(command);
}

// "init name [=] value [random]".
void ScenarioScript::appendInit(CommandLine& line) {
    RecordDraft command = record(CommandId::Init);
    command.set(0, line.tokens.NextToken("= ").value_or(""));
    command.argCount = 1;
    for (size_t i = 1; i <= 2; ++i) {
        auto token = line.tokens.NextToken();
        if (!token) break;
        command.set(i, *token);
        ++command.argCount;
    }
    append(command);
}

// "if (name op value) then [else]". The blank between "if" and "(" is read as a
// token and dropped; written without it, the condition becomes the dropped token
// and the targets are read as the condition.
void ScenarioScript::appendIf(CommandLine& line) {
    RecordDraft command = record(CommandId::If);
    line.tokens.NextToken("()");
    const std::string_view condition = line.tokens.NextToken().value_or("");
    command.set(3, line.tokens.NextToken(") ").value_or(""));
    auto elseTarget = line.tokens.NextToken();
    command.argCount = elseTarget ? 5 : 4;
    if (elseTarget) command.set(4, *elseTarget);

    Tokenizer parts(condition, " <>=");
    command.set(0, parts.NextToken().value_or(""));
    const std::string_view rest = cp949::trim(parts.NextToken("").value_or(""));
    if (!rest.empty()) {
        command.set(2, rest.substr(0, 1));
        command.set(1, cp949::trimLeft(rest.substr(1)));
    }
    append(command);
}

}  // namespace morv
