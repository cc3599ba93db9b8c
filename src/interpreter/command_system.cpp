// Show and menu scripts, the end command and the resets between scripts.
#include "display/screen.h"
#include "interpreter/command_arguments.h"
#include "interpreter/engine_status.h"
#include "interpreter/running_scripts.h"
#include "interpreter/save_procedure.h"
#include "interpreter/system_commands.h"
#include "platform/cp949.h"
#include "sound/sound_system.h"

namespace morv {

void SystemCommands::resetForNewScript(int32_t state) {
    c_.status.resetForNewScript(state);
    c_.screen.resetCharacterClip();
}

void SystemCommands::resumeSuspendedScenario() {
    resetForNewScript(EngineState::kScenario);
    c_.screen.clearCharacterPositions();
    c_.sound.setFadeTime(SoundSystem::kDefaultFadeTimeMs);
    c_.scripts.resumeSuspended();
}

bool SystemCommands::endCommand() {
    if (c_.status.value() == EngineState::kShow) {
        resumeSuspendedScenario();
        return false;
    }
    c_.saves.deletePreviousChoiceSave();
    return true;
}

bool SystemCommands::perform(ScenarioCommand& command) {
    if (command.id == CommandId::End) return endCommand();
    auto& args = command.args;
    substituteArguments(c_.variables, command, 0, 0);
    bool opened = false;
    if (command.id == CommandId::Show) {
        const bool canSkip = !cp949::equalsIgnoreCase(args[1], "DISABLE_SKIP");
        opened = c_.scripts.openShowScript(args[0], canSkip ? ScriptKind::SkippableShowScript : ScriptKind::ShowScript);
    } else {
        c_.scripts.dropSuspended();
        opened = c_.scripts.open(args[0], ScriptKind::ButtonScript);
    }
    if (!opened) return true;
    c_.status.clearPluginBit();
    resetForNewScript(command.id == CommandId::Show ? EngineState::kShow : EngineState::kMenu);
    c_.screen.clearCharacterPositions();
    c_.sound.setFadeTime(SoundSystem::kDefaultFadeTimeMs);
    c_.saves.ensureSaveDirectory();
    c_.saves.deletePreviousChoiceSave();
    return false;
}

}  // namespace morv
