// The line reading shared by the command script parsers.
#include "script/command_script.h"

#include <algorithm>

#include "platform/cp949.h"
#include "script/effect_names.h"

namespace morv {
namespace {

constexpr std::string_view kDitto = "\"";
constexpr std::string_view kContinuation = "+";

// The part of a line before its first blank, empty without one.
std::string_view firstWord(std::string_view text) {
    size_t blank = text.find(' ');
    return blank == std::string_view::npos ? std::string_view() : text.substr(0, blank);
}

}  // namespace

void CommandScript::Parse() {
    dittoWord_ = {};
    continuedWord_ = {};
    for (;;) {
        const std::string_view text = NextLine();
        if (!text.empty()) {
            CommandLine line = readCommandLine(text);
            if (cp949::equalsIgnoreCase(line.word, "end")) {
                append(record(CommandId::End));
                return;
            }
            if (!parseCommand(line)) appendInvalid(line.word);
        }
        rememberWord(text);
    }
}

CommandLine CommandScript::readCommandLine(std::string_view text) const {
    CommandLine line{{}, Tokenizer(text, kLineDelimiters), 0};
    line.tokenCount = line.tokens.CountTokens();
    line.word = line.tokens.NextToken().value_or("");
    // A ditto line takes the word of the nearest line above that is not itself a
    // ditto line; an empty line ends that search with no word.
    if (line.word == kDitto) line.word = dittoWord_;
    return line;
}

void CommandScript::rememberWord(std::string_view text) {
    const std::string_view word = firstWord(text);
    if (word == kDitto) return;
    dittoWord_ = word;
    if (word != kContinuation) continuedWord_ = word;
}

std::string_view CommandScript::firstWordOf(int n) const { return firstWord(ReadLine(n)); }

std::string_view CommandScript::restOf(Tokenizer& tokens) { return cp949::trimLeft(tokens.NextToken("").value_or("")); }

// Every kind keeps at most ten arguments and counts the rest, so an over-long show
// or button line cannot reach past the argument slots.
RecordDraft CommandScript::genericRecord(CommandId id, CommandLine& line) {
    RecordDraft command = record(id);
    command.argCount = std::max(line.tokenCount - 1, 0);
    const size_t kept = std::min(static_cast<size_t>(command.argCount), RecordDraft::kSlots);
    for (size_t i = 0; i < kept; ++i) command.set(i, line.tokens.NextToken().value_or(""));
    return command;
}

void CommandScript::appendCommonForm(const CommandEntry& entry, CommandLine& line) {
    if (entry.form == CommandForm::DrawText) {
        RecordDraft command = record(entry.id);
        command.set(0, line.tokens.NextToken().value_or(""));
        command.set(1, line.tokens.NextToken().value_or(""));
        command.set(2, restOf(line.tokens));
        command.argCount = 3;
        append(command);
        return;
    }
    RecordDraft command = genericRecord(entry.id, line);
    if (entry.form == CommandForm::EffectName) translateEffectName(command);
    if (entry.form == CommandForm::FilterName) translateFilterName(command);
    append(command);
}

void CommandScript::appendInvalid(std::string_view word) {
    reportInvalidCommand(word);
    append(record(CommandId::Invalid));
}

}  // namespace morv
