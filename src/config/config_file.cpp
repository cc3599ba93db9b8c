#include "config/config_file.h"

#include "config/game_config.h"
#include "platform/cp949.h"
#include "platform/platform.h"
#include "script/script_kinds.h"

namespace morv {

bool readGameConfiguration(GameConfig& config, Platform& platform) {
    ScriptEnvironment environment{platform.messages(), platform.files(), nullptr, true};
    ConfigurationScript script(environment);
    if (!script.Load("morv.ini", ScriptKind::GameConfiguration)) return false;
    for (const ScenarioCommand& entry : script.commands()) {
        if (cp949::equalsIgnoreCase(entry.args[0], "DEBUG")) config.debug = true;
    }
    return true;
}

}  // namespace morv
