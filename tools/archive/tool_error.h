// The failure every authoring tool reports to its user and stops on.
#pragma once
#include <stdexcept>

namespace morv::tools {

// Carries a UTF-8 message for the tool's user.
class ToolError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace morv::tools
