// Show and menu scripts, the end command and the resets between scripts.
#pragma once
#include <cstdint>

#include "script/scenario_command.h"

namespace morv {

class EngineStatus;
class RunningScripts;
class SaveProcedure;
class Screen;
class SoundSystem;
class VariableTable;

// What switching between scenario, show and button scripts touches.
struct SystemContext {
    EngineStatus& status;
    RunningScripts& scripts;
    Screen& screen;
    SoundSystem& sound;
    SaveProcedure& saves;
    VariableTable& variables;
};

class SystemCommands {
public:
    explicit SystemCommands(const SystemContext& context) : c_(context) {}

    // show, menu and end; true when the game ends. A menu script is opened here
    // and built by the menu screens.
    bool perform(ScenarioCommand& command);
    // A new script is running: the flags start afresh and the character clip is the whole screen.
    void resetForNewScript(int32_t state);
    // The show script ended or was skipped: the suspended scenario runs again.
    void resumeSuspendedScenario();

private:
    bool endCommand();

    SystemContext c_;
};

}  // namespace morv
