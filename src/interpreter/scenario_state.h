// The per-game state of the scenario language: variables, buttons, flags and calls.
#pragma once
#include <string>
#include <vector>

#include "display/rect.h"
#include "interpreter/button_record.h"
#include "script/call_stack.h"
#include "script/flag_table.h"
#include "script/variable_table.h"

namespace morv {

struct GameConfig;
class Platform;
class SaveStream;

// The per-game state of the scenario language: variables, buttons, flags, the
// call stack and the save comment. The flags belong to the installation: they are
// loaded from their files when the state is made and written back when it goes.
class ScenarioState {
public:
    static constexpr size_t kMaxMenuButtons = 100;
    static constexpr size_t kMaxChoices = 10;

    ScenarioState(const GameConfig& config, Platform& platform);
    // Writes "cg.cfg".
    ~ScenarioState();
    ScenarioState(const ScenarioState&) = delete;
    ScenarioState& operator=(const ScenarioState&) = delete;

    // Clears variables, menu and choice buttons, the call stack and the comment (restart).
    void clearGame();
    // Reads the variables block of a saved game, which drops every button first.
    // A malformed block changes nothing and gives false.
    bool ReadVariables(SaveStream& in);
    // A loaded game's variables in place of the current ones; every button goes too.
    void restoreVariables(const std::vector<Variable>& records);

    // Adds a menu button; refused after a message when a hundred exist.
    bool addMenuButton(ButtonRecord button);
    // Adds a choice that loads its target; refused after a message when ten exist.
    bool addChoice(const std::string& target, const Rect& rect, const std::string& text);

    std::string saveComment;
    VariableTable variables;
    ButtonList<kMaxMenuButtons> menuButtons;
    ButtonList<kMaxChoices> choices;
    FlagTable flags;
    CallStack callStack;

private:
    const GameConfig& config_;
    Platform& platform_;
};

}  // namespace morv
