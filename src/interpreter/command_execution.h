// What handlers may ask of the interpreter's dispatch.
#pragma once
#include "script/scenario_command.h"

namespace morv {

// The dispatch, seen by handlers that run commands themselves: the player's
// operations resume execution, menus draw their commands at once.
class CommandExecution {
public:
    virtual ~CommandExecution() = default;
    // Takes the next command of the running script and performs it; true when the game ends.
    virtual bool ExecuteNext() = 0;
    // Performs one command; true when the game ends.
    virtual bool perform(ScenarioCommand& command) = 0;
};

}  // namespace morv
