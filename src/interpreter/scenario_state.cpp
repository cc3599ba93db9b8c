#include "interpreter/scenario_state.h"

#include "platform/platform.h"
#include "saves/flag_files.h"

namespace morv {

ScenarioState::ScenarioState(const GameConfig& config, Platform& platform)
    : variables(platform), callStack(platform.messages()), config_(config), platform_(platform) {
    loadFlags(flags, platform_.files());
}

ScenarioState::~ScenarioState() { saveFlags(flags, platform_.files()); }

void ScenarioState::clearGame() {
    saveComment.clear();
    variables.ResetAll();
    menuButtons.clear();
    choices.clear();
    callStack.Clear();
}

bool ScenarioState::ReadVariables(SaveStream& in) {
    if (!variables.Read(in)) return false;
    menuButtons.clear();
    choices.clear();
    return true;
}

}  // namespace morv
