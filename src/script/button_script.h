// The button script that builds a menu screen.
#pragma once
#include "script/command_script.h"

namespace morv {

// A menu screen of buttons opened by menu.
class ButtonScript : public CommandScript {
public:
    using CommandScript::CommandScript;

protected:
    bool parseCommand(CommandLine& line) override;

private:
    void appendTextButton(CommandLine& line);
    void appendButton(CommandLine& line);
};

}  // namespace morv
