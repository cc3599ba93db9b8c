// The story scenario script.
#pragma once
#include "script/command_script.h"

namespace morv {

// The story scenario: text lines, choices, variables and conditions besides the
// image, sound and flow commands.
class ScenarioScript : public CommandScript {
public:
    using CommandScript::CommandScript;

protected:
    bool parseCommand(CommandLine& line) override;

private:
    void appendText(CommandLine& line, CommandId opening);
    void appendChoice(CommandLine& line, CommandId opening, bool startsList);
    void appendContinuation(CommandLine& line);
    void appendSet(CommandLine& line);
    void appendInit(CommandLine& line);
    void appendIf(CommandLine& line);
    void appendRest(CommandLine& line, CommandId id);
    // The text record of a text line, without a leading "[+]".
    RecordDraft textRecord(CommandLine& line);
    // True when the next line (even an empty one) is a "+" line.
    bool continues() const;
};

}  // namespace morv
