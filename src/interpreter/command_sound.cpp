// Sound, movie and Flash commands, and the show and menu scripts.
#include "config/game_config.h"
#include "display/screen.h"
#include "interpreter/scenario_runner.h"
#include "platform/cp949.h"
#include "platform/platform.h"
#include "script/numeric_text.h"
#include "script/script_factory.h"
#include "sound/sound_system.h"

namespace morv {

bool ScenarioRunner::performSound(ScenarioCommand& command) {
    auto& args = command.args;
    substitute(command, 0, ScenarioCommand::kMaxArguments - 1);
    switch (command.id) {
        case CommandId::Bgm:
            sound_->playBgm(args[0], cp949::equalsIgnoreCase(args[1], "FADE"));
            break;
        case CommandId::Voice:
            sound_->playVoice(args[0]);
            break;
        case CommandId::Effect:
            if (command.argCount <= 0) {
                sound_->stopAllEffects();
            } else if (command.argCount == 1) {
                sound_->playEffect(args[0], false);
            } else if (cp949::equalsIgnoreCase(args[1], "REPEATS")) {
                sound_->playEffect(args[0], true);
            } else if (cp949::equalsIgnoreCase(args[1], "STOP")) {
                sound_->stopEffect(args[0]);
            }
            break;
        case CommandId::SetFadeDelay:
            sound_->setFadeTime(command.argCount > 0 ? decimalValue(args[0]) : SoundSystem::kDefaultFadeTimeMs);
            break;
        case CommandId::Movie:
            setEngineState(EngineState::kMovie);
            // A movie that cannot play would hold the show script for ever: it ends at once.
            if (!sound_->playMovie(args[0], cp949::equalsIgnoreCase(args[1], "FULL"))) {
                setEngineState(EngineState::kShow);
            }
            break;
        case CommandId::Flash: {
            setEngineState(EngineState::kFlash);
            const bool whole = command.argCount < 5;
            const bool started =
                whole ? sound_->playFlash(args[0], script_->skippable(), 0, 0, screen_->width(), screen_->height())
                      : sound_->playFlash(args[0], script_->skippable(), decimalValue(args[1]), decimalValue(args[2]),
                                          decimalValue(args[3]), decimalValue(args[4]));
            if (!started) setEngineState(EngineState::kShow);
            break;
        }
        default:
            break;
    }
    return false;
}

bool ScenarioRunner::performScriptSwitch(ScenarioCommand& command) {
    auto& args = command.args;
    substitute(command, 0, 0);
    if (command.id == CommandId::Show) {
        suspended_ = std::move(script_);
        const bool canSkip = !cp949::equalsIgnoreCase(args[1], "DISABLE_SKIP");
        script_ = factory_->Open(args[0], canSkip ? ScriptKind::SkippableShowScript : ScriptKind::ShowScript);
    } else {
        suspended_.reset();
        script_ = factory_->Open(args[0], ScriptKind::ButtonScript);
    }
    if (!script_) return true;
    stopPluginAnimation();
    resetForNewScript(command.id == CommandId::Show ? EngineState::kShow : EngineState::kMenu);
    screen_->clearCharacterPositions();
    sound_->setFadeTime(SoundSystem::kDefaultFadeTimeMs);
    ensureSaveDirectory();
    deletePreviousChoiceSave();
    return command.id == CommandId::Menu ? buildMenu() : false;
}

}  // namespace morv
