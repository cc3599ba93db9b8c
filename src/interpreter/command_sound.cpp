// Sound, movie and Flash commands.
#include "display/screen.h"
#include "flash/flash_show.h"
#include "interpreter/command_arguments.h"
#include "interpreter/engine_status.h"
#include "interpreter/running_scripts.h"
#include "interpreter/sound_commands.h"
#include "platform/cp949.h"
#include "script/numeric_text.h"
#include "script/script_file.h"
#include "sound/sound_system.h"

namespace morv {

void SoundCommands::perform(ScenarioCommand& command) {
    auto& args = command.args;
    SoundSystem& sound = c_.sound;
    EngineStatus& status = c_.status;
    substituteArguments(c_.variables, command, 0, ScenarioCommand::kMaxArguments - 1);
    switch (command.id) {
        case CommandId::Bgm:
            sound.playBgm(args[0], cp949::equalsIgnoreCase(args[1], "FADE"));
            break;
        case CommandId::Voice:
            sound.playVoice(args[0]);
            break;
        case CommandId::Effect:
            if (command.argCount <= 0) {
                sound.stopEffects();
            } else if (command.argCount == 1) {
                sound.playOneShot(args[0]);
            } else if (cp949::equalsIgnoreCase(args[1], "REPEATS")) {
                sound.startLoop(args[0]);
            } else if (cp949::equalsIgnoreCase(args[1], "STOP")) {
                sound.stopLoop(args[0]);
            }
            break;
        case CommandId::SetFadeDelay:
            sound.setFadeTime(command.argCount > 0 ? decimalValue(args[0]) : SoundSystem::kDefaultFadeTimeMs);
            break;
        case CommandId::Movie:
            status.set(EngineState::kMovie);
            // A movie that cannot play would hold the show script for ever: it ends at once.
            if (!sound.playMovie(args[0], cp949::equalsIgnoreCase(args[1], "FULL"))) {
                status.set(EngineState::kShow);
            }
            break;
        case CommandId::Flash: {
            status.set(EngineState::kFlash);
            const bool whole = command.argCount < 5;
            const bool skippable = c_.scripts.running()->skippable();
            const int x = decimalValue(args[1]), y = decimalValue(args[2]);
            const Rect rect = whole ? Rect{0, 0, c_.screen.width(), c_.screen.height()}
                                    : Rect{x, y, x + decimalValue(args[3]), y + decimalValue(args[4])};
            const bool started = c_.flash.show(args[0], rect, skippable, c_.clock.ticks());
            if (!started) status.set(EngineState::kShow);
            break;
        }
        default:
            break;
    }
}

}  // namespace morv
