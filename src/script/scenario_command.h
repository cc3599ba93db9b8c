// One parsed command record.
#pragma once
#include <array>
#include <string>

#include "script/command_id.h"

namespace morv {

// One parsed command: its id, up to ten arguments, how many tokens the line had
// (it may exceed ten) and the line it came from.
struct ScenarioCommand {
    static constexpr int kMaxArguments = 10;

    CommandId id = CommandId::Unset;
    std::array<std::string, kMaxArguments> args;
    int argCount = 0;
    int line = -1;
};

}  // namespace morv
