// A loaded script: its lines, its parsed commands and the cursor over them.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "script/argument_buffer.h"
#include "script/command_record.h"
#include "script/record_draft.h"
#include "script/script_archive.h"
#include "script/script_kind.h"

namespace morv {

class FileResolver;
class MessageBoxes;

// Where a script's text comes from and where its messages go.
struct ScriptEnvironment {
    MessageBoxes& messages;
    const FileResolver& files;
    const ScriptArchive* archive = nullptr;  // scenario archive; none in debug mode
    bool debug = false;
};

// A loaded script: its whole text, cut into numbered lines on demand, parsed once
// into a command list that the interpreter walks with a cursor.
class ScriptFile {
public:
    explicit ScriptFile(const ScriptEnvironment& environment);
    virtual ~ScriptFile();
    ScriptFile(const ScriptFile&) = delete;
    ScriptFile& operator=(const ScriptFile&) = delete;

    // Reads the file (loose, or from the archive), then parses it. False after a
    // message when it cannot be read.
    bool Load(const std::string& name, ScriptKind kind);

    // Line n (1-based), comments removed and trimmed; lines past the end read as "end".
    // A view that stays valid while the script lives.
    std::string_view ReadLine(int n) const;
    // The next line of the parser's walk.
    std::string_view NextLine();

    // The command under the cursor, advancing the cursor; null past the end.
    const CommandRecord* Next();
    // Line of the command under the cursor; -1 past the end.
    int CurrentLine() const;
    // Puts the cursor on the first command of line n and returns n; -1 with a
    // message when no command comes from that line.
    int GoToLine(int n);
    int GoToPreviousLine();
    // Line of the nearest nextpage command before the cursor; 0 when there is none.
    int LastPageLine() const;

    const std::string& FileName() const { return fileName_; }
    int LineCount() const { return lineCount_; }
    bool skippable() const { return skippable_; }
    void setSkippable(bool skippable) { skippable_ = skippable; }
    const std::vector<CommandRecord>& commands() const { return commands_; }
    const std::string& text() const { return text_; }

protected:
    virtual void Parse() = 0;

    // For the parsers: the line counter (the line of the last NextLine) and the list.
    int lineCounter() const { return lineCounter_; }
    // An empty record of the line being parsed; its arguments go to this script's buffer.
    RecordDraft record(CommandId id) { return RecordDraft(arguments_, id, lineCounter_); }
    void append(const RecordDraft& command) { commands_.push_back(command.keep()); }
    MessageBoxes& messages() const { return environment_.messages; }
    // Shows that `word` on the parser's current line is not a command of this kind.
    void reportInvalidCommand(std::string_view word) const;

private:
    bool readText(const std::string& name, ScriptKind kind);

    ScriptEnvironment environment_;
    std::string fileName_;
    std::string text_;
    ArgumentBuffer arguments_{text_};  // the records' arguments: slices of text_, or its arena
    std::vector<CommandRecord> commands_;
    std::vector<uint32_t> lineFeeds_;  // offsets of every line feed of the text (it fits in 32 bits)
    size_t cursor_ = 0;
    int lineCounter_ = 0;
    bool skippable_ = false;
    int lineCount_ = 0;
};

}  // namespace morv
