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
            ScenarioCommand command = record(CommandId::SetString);
            command.args.slot(0) = line.tokens.NextToken().value_or("");
            command.args.slot(1) = restOf(line.tokens);
            command.argCount = 2;
            append(std::move(command));
            break;
        }
        case CommandForm::CgEffect2: {
            ScenarioCommand command = record(CommandId::CgEffect2);
            command.args.slot(0) = line.tokens.NextToken().value_or("");
            command.args.slot(1) = restOf(line.tokens);
            command.argCount = std::max(line.tokenCount - 1, 0);
            append(std::move(command));
            break;
        }
        default:
            appendCommonForm(*entry, line);
            break;
    }
    return true;
}

ScenarioCommand ScenarioScript::textRecord(CommandLine& line) const {
    std::string text = restOf(line.tokens);
    if (text.starts_with("[+]")) text.erase(0, 3);
    ScenarioCommand command = record(CommandId::Text);
    command.args.slot(0) = std::move(text);
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
    ScenarioCommand choice = record(CommandId::Choice);
    choice.args.slot(0) = line.tokens.NextToken().value_or("");
    choice.args.slot(1) = restOf(line.tokens);
    choice.argCount = 2;
    ScenarioCommand text = record(CommandId::Text);
    text.args.slot(0) = choice.args[1];
    text.argCount = 1;
    append(std::move(choice));
    append(std::move(text));
    if (!continues()) append(record(CommandId::EndChoices));
}

// A "+" line continues the nearest text or choice line above it; ditto and other
// "+" lines are looked through, an empty or comment line ends the look.
void ScenarioScript::appendContinuation(CommandLine& line) {
    const std::string& word = continuedWord();
    if (cp949::equalsIgnoreCase(word, "text")) {
        appendText(line, CommandId::NextLine);
    } else if (cp949::equalsIgnoreCase(word, "select") || cp949::equalsIgnoreCase(word, "ncselect")) {
        appendChoice(line, CommandId::NextLine, false);
    }
}

void ScenarioScript::appendRest(CommandLine& line, CommandId id) {
    ScenarioCommand command = record(id);
    command.args.slot(0) = restOf(line.tokens);
    command.argCount = 1;
    append(std::move(command));
}

// "set name op= value [random]": the operator is the byte just before "=", a blank
// when the line assigns.
void ScenarioScript::appendSet(CommandLine& line) {
    ScenarioCommand command = record(CommandId::Set);
    std::string left = line.tokens.NextToken("=").value_or("");
    if (!left.empty()) command.args.slot(2) = left.substr(left.size() - 1);
    command.args.slot(0) = std::string(trimOperator(cp949::trimLeft(left)));
    command.args.slot(1) = line.tokens.NextToken("= ").value_or("");
    command.args.slot(3) = line.tokens.NextToken().value_or("");
    command.argCount = cp949::equalsIgnoreCase(command.args[3], "random") ? 4 : 3;
    append(std::move(command));
}

// "init name [=] value [random]".
void ScenarioScript::appendInit(CommandLine& line) {
    ScenarioCommand command = record(CommandId::Init);
    command.args.slot(0) = line.tokens.NextToken("= ").value_or("");
    command.argCount = 1;
    for (int i = 1; i <= 2; ++i) {
        auto token = line.tokens.NextToken();
        if (!token) break;
        command.args.slot(i) = std::move(*token);
        ++command.argCount;
    }
    append(std::move(command));
}

// "if (name op value) then [else]". The blank between "if" and "(" is read as a
// token and dropped; written without it, the condition becomes the dropped token
// and the targets are read as the condition.
void ScenarioScript::appendIf(CommandLine& line) {
    ScenarioCommand command = record(CommandId::If);
    line.tokens.NextToken("()");
    std::string condition = line.tokens.NextToken().value_or("");
    command.args.slot(3) = line.tokens.NextToken(") ").value_or("");
    auto elseTarget = line.tokens.NextToken();
    command.argCount = elseTarget ? 5 : 4;
    if (elseTarget) command.args.slot(4) = std::move(*elseTarget);

    Tokenizer parts(condition, " <>=");
    command.args.slot(0) = parts.NextToken().value_or("");
    std::string afterName = parts.NextToken("").value_or("");
    std::string_view rest = cp949::trim(afterName);
    if (!rest.empty()) {
        command.args.slot(2) = std::string(rest.substr(0, 1));
        command.args.slot(1) = std::string(cp949::trimLeft(rest.substr(1)));
    }
    append(std::move(command));
}

}  // namespace morv
