// The common parser of the command script kinds.
#pragma once
#include <string_view>

#include "script/command_table.h"
#include "script/script_file.h"
#include "script/tokenizer.h"

namespace morv {

// One non-empty script line as the parsers see it: the word that selects the
// command and the tokenizer standing just after the word on the line.
struct CommandLine {
    std::string_view word;
    Tokenizer tokens;
    int tokenCount = 0;  // the word's token included
};

// The line reading shared by the scenario, show-script and button-script parsers:
// blank lines skipped, the ditto mark, "end", invalid words, generic arguments.
class CommandScript : public ScriptFile {
public:
    using ScriptFile::ScriptFile;

    // Separators of a command line; parentheses and commas are plain blanks.
    static constexpr std::string_view kLineDelimiters = " (),";

protected:
    void Parse() final;
    // Appends the records of one line; false when the word is no command of this kind.
    virtual bool parseCommand(CommandLine& line) = 0;

    // The forms every kind shares: generic arguments, effect and filter names, drawtext.
    void appendCommonForm(const CommandEntry& entry, CommandLine& line);
    // Generic arguments: the first ten tokens after the word; the count keeps every token.
    RecordDraft genericRecord(CommandId id, CommandLine& line);
    // The first word of line n: the part before its first blank, empty without one.
    std::string_view firstWordOf(int n) const;
    // The first word of the nearest line above that is neither a ditto nor a "+"
    // line; empty when an empty line or the start of the file comes first.
    std::string_view continuedWord() const { return continuedWord_; }
    // Everything after the last token read, leading white space removed.
    static std::string_view restOf(Tokenizer& tokens);

private:
    CommandLine readCommandLine(std::string_view text) const;
    // Notes the first word of the line just parsed for the lines below it, so that
    // the upward searches of ditto and "+" lines never read the file again.
    void rememberWord(std::string_view text);
    void appendInvalid(std::string_view word);

    // Both are slices of the script's text.
    std::string_view dittoWord_;  // the word a ditto line on the next line stands for
    std::string_view continuedWord_;
};

}  // namespace morv
