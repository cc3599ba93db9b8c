// The kinds a script can be opened as.
#pragma once

namespace morv {

// The kind a script is opened as; the value is the one scripts and traces use.
enum class ScriptKind : int {
    ShowScript = 0,
    SkippableShowScript = 1,
    ButtonScript = 2,
    Scenario = 3,
    GameConfiguration = 4,
};

}  // namespace morv
