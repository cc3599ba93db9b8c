#include "interpreter/scenario_state.h"

namespace morv {

ScenarioState::ScenarioState(const GameConfig& config, Platform& platform) : config_(config), platform_(platform) {}

ScenarioState::~ScenarioState() = default;

void ScenarioState::clearGame() { saveComment.clear(); }

}  // namespace morv
