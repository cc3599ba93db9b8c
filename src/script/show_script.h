// The show script: sprites, timers, movies and Flash.
#pragma once
#include "script/command_script.h"

namespace morv {

// A script played by show: sprites, timers, movies and Flash.
class ShowScript : public CommandScript {
public:
    using CommandScript::CommandScript;

protected:
    bool parseCommand(CommandLine& line) override;
};

}  // namespace morv
