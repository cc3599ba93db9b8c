// Finds the mistakes of a game before its players do.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "check/finding.h"

namespace morv {
class Platform;
}

namespace morv::tools {

// Checks the game in the current directory: its configuration, and every scenario,
// show script and menu that the first scenario reaches, read with the engine's own
// parsers from loose files or the archives as the configuration says. `platform`
// receives what the configuration reader does besides reading (title, messages).
std::vector<Finding> checkGame(Platform& platform);

}  // namespace morv::tools
