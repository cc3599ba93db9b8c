// Finds the mistakes of a game before its players do.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "check/finding.h"

namespace morv::tools {

// Checks the game in the current directory: its configuration, and every scenario,
// show script and menu that the first scenario reaches, read with the engine's own
// parsers from loose files or the archives as the configuration says.
std::vector<Finding> checkGame();

}  // namespace morv::tools
