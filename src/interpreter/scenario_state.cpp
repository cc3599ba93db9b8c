// The per-game state of the scenario language and its button lists.
#include "interpreter/scenario_state.h"

#include "platform/platform.h"
#include "platform/text_format.h"
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
    auto records = VariableTable::ReadBlock(in);
    if (!records) return false;
    restoreVariables(*records);
    return true;
}

void ScenarioState::restoreVariables(const std::vector<Variable>& records) {
    variables.Restore(records);
    menuButtons.clear();
    choices.clear();
}

bool ScenarioState::addMenuButton(ButtonRecord button) {
    if (menuButtons.full()) {
        platform_.messages().error(
            formatText("메뉴 버튼은 최대 %d개까지 사용 가능합니다.", static_cast<int>(kMaxMenuButtons)));
        return false;
    }
    menuButtons.add(std::move(button));
    return true;
}

bool ScenarioState::addChoice(const std::string& target, const Rect& rect, const std::string& text) {
    if (choices.full()) {
        platform_.messages().error("Select문은 최대 10개까지 사용 가능합니다.");
        return false;
    }
    ButtonRecord choice;
    choice.kind = ButtonKind::Text;
    choice.action = ButtonAction::LoadScenario;
    choice.target = target;
    choice.left = rect.left;
    choice.top = rect.top;
    choice.right = rect.right;
    choice.bottom = rect.bottom;
    choice.text = text;
    choices.add(std::move(choice));
    return true;
}

}  // namespace morv
