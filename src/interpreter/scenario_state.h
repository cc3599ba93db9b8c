#pragma once
#include <string>

namespace morv {

struct GameConfig;
class Platform;

// The per-game state of the scenario language: variables, buttons, flags, the
// call stack and the save comment.
class ScenarioState {
public:
    ScenarioState(const GameConfig& config, Platform& platform);
    ~ScenarioState();

    // Clears variables, menu and choice buttons and the call stack (restart).
    void clearGame();

    std::string saveComment;

private:
    const GameConfig& config_;
    Platform& platform_;
};

}  // namespace morv
