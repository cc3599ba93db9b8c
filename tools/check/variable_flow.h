// Follows every path from the first scenario to find variables used before an init.
#pragma once
#include <vector>

#include "check/finding.h"
#include "check/script_set.h"

namespace morv::tools {

// Uses of variables (set, if, setstring, writevariable, drawvariable) that some
// path from the first command of script `entry` reaches without an init of that
// name since the start or the last reset. Paths run through jumps, choices,
// calls and returns, and menu buttons, across every scenario and menu in `scripts`.
std::vector<Finding> findUninitializedVariables(const ScriptSet& scripts, int entry);

}  // namespace morv::tools
