// Reading a command's arguments: substitution of variables and the delay argument.
#pragma once
#include "script/scenario_command.h"

namespace morv {

class VariableTable;

// Substitutes the variables in arguments first to last, in place.
void substituteArguments(VariableTable& variables, ScenarioCommand& command, int first, int last);

// The delay an image command names at `index`, or `fallback` when it names none.
int delayArgument(const ScenarioCommand& command, int index, int fallback);

}  // namespace morv
