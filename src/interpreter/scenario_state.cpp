// The scenario language's per-game state.
#include "interpreter/scenario_state.h"

#include "platform/platform.h"
#include "saves/flag_files.h"
#include "saves/save_stream.h"

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

bool ScenarioState::addChoice(const std::string& target, const Rect& rect, const std::string& text) {
    if (choices.count >= kMaxChoices) {
        platform_.messages().error("Select문은 최대 10개까지 사용 가능합니다.");
        return false;
    }
    ButtonRecord& choice = choices.buttons[choices.count++];
    choice = ButtonRecord{};
    choice.kind = ButtonKind::Text;
    choice.action = ButtonAction::LoadScenario;
    choice.target = target;
    choice.left = rect.left;
    choice.top = rect.top;
    choice.right = rect.right;
    choice.bottom = rect.bottom;
    choice.text = text;
    return true;
}

int ScenarioState::hitChoice(int x, int y) {
    choices.hover = -1;
    for (size_t i = 0; i < choices.count; ++i) {
        const ButtonRecord& choice = choices.buttons[i];
        if (x >= choice.left && x < choice.right && y >= choice.top && y < choice.bottom) {
            choices.hover = static_cast<int>(i);
            break;
        }
    }
    return choices.hover;
}

}  // namespace morv
