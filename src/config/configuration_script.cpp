// Parsing the configuration file's lines into entries.
#include "config/configuration_script.h"

#include "platform/cp949.h"
#include "script/tokenizer.h"

namespace morv {
namespace {

constexpr std::string_view kSeparators = " =(),\"";

// The first non-empty piece of the rest of the line split at `separators`, leading
// white space removed: a quoted value keeps its blanks and commas.
std::string quotedValue(Tokenizer& tokens, std::string_view separators) {
    while (auto piece = tokens.NextToken(separators)) {
        std::string_view value = cp949::trimLeft(*piece);
        if (!value.empty()) return std::string(value);
    }
    return "";
}

}  // namespace

// Comment lines arrive empty: the line reader cuts everything from "//".
void ConfigurationScript::Parse() {
    for (;;) {
        const std::string_view text = NextLine();
        if (text.empty()) continue;
        Tokenizer tokens(text, kSeparators);
        const std::string_view word = tokens.NextToken().value_or("");
        if (cp949::equalsIgnoreCase(word, "end")) return;
        ConfigEntry entry;
        entry.line = lineCounter();
        entry.key = findConfigKey(word);
        switch (entry.key) {
            case ConfigKey::GameTitle:
            case ConfigKey::ScenarioFile:
                entry.args.push_back(quotedValue(tokens, "=\""));
                break;
            case ConfigKey::CharColor:
                entry.args.emplace_back(cp949::trimRight(quotedValue(tokens, "=\",")));
                for (int i = 0; i < 3; ++i) entry.args.emplace_back(tokens.NextToken(kSeparators).value_or(""));
                break;
            case ConfigKey::Invalid:
                reportInvalidCommand(word);
                break;
            default:
                while (auto token = tokens.NextToken()) entry.args.emplace_back(*token);
                break;
        }
        entries_.push_back(std::move(entry));
    }
}

}  // namespace morv
