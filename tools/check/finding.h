// What morv-check found, and how it is written for people and for programs.
#pragma once
#include <string>
#include <vector>

namespace morv::tools {

// One mistake in a game. Texts are UTF-8; line 0 means the whole file.
struct Finding {
    std::string file;
    int line = 0;
    std::string kind;  // "invalid-command", "config-key", "jump-target", ...
    std::string message;

    bool operator==(const Finding&) const = default;
};

// One "FILE:LINE: KIND: MESSAGE" line per finding.
std::string formatText(const std::vector<Finding>& findings);
// {"findings": [{"file": ..., "line": ..., "kind": ..., "message": ...}, ...]}
std::string formatJson(const std::vector<Finding>& findings);

}  // namespace morv::tools
