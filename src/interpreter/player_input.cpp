// The player's operations during play: advance, the text window, skipping and auto play.
#include "interpreter/player_input.h"

#include "config/game_config.h"
#include "display/screen.h"
#include "flash/flash_show.h"
#include "interpreter/choice_screen.h"
#include "interpreter/command_execution.h"
#include "interpreter/effect_commands.h"
#include "interpreter/engine_status.h"
#include "interpreter/menu_screen.h"
#include "interpreter/running_scripts.h"
#include "interpreter/system_commands.h"
#include "interpreter/text_commands.h"
#include "platform/clock.h"
#include "script/script_file.h"
#include "sound/sound_system.h"

namespace morv {

bool PlayerInput::advance(std::optional<PointerPosition> at) {
    // A click stops skipping read text and auto play, except while choices wait.
    if (c_.status.value() != EngineState::kChoices) {
        if (c_.status.lineRead) c_.status.skipRead = false;
        c_.status.autoMode = false;
    }
    c_.status.run = true;
    return advanceByState(at);
}

bool PlayerInput::advanceByState(std::optional<PointerPosition> at) {
    const bool plugin = c_.status.state().pluginRunning();
    switch (c_.status.state().base()) {
        case EngineState::kScenario:
            if (c_.status.delay.active) {
                if (!c_.status.delay.skippable) return false;
                c_.status.delay.clear();
            }
            if (c_.status.windowShown) return c_.execution.executeNext();
            if (c_.config.spaceKeyEnabled) flipWindow();
            return false;
        case EngineState::kTyping:
            if (!c_.status.pageWait) {
                if (!plugin) c_.status.fastForward = true;
                c_.text.revealRest();
            } else if (c_.status.windowShown) {
                c_.status.delay.clear();
                if (plugin) {
                    c_.status.pageWait = false;
                    c_.screen.continueOnFreshPage();
                    c_.text.revealRest();
                } else {
                    c_.text.continueText();
                }
            } else if (!c_.status.delay.active && c_.config.spaceKeyEnabled) {
                flipWindow();
            }
            return false;
        case EngineState::kFading:
            c_.screen.finishQuickFade();
            c_.status.lower(EngineState::kFading);
            return false;
        case EngineState::kWorkerEffect:
            c_.effects.askWorkerToStop();
            return false;
        case EngineState::kMenu:
            return c_.menus.click(at);
        case EngineState::kGalleryImage:
            c_.screen.showStage();
            c_.status.set(EngineState::kMenu);
            return false;
        case EngineState::kShow:
        case EngineState::kShow + EngineState::kTyping:
        case EngineState::kShow + EngineState::kFading:
            return advanceShowScript();
        case EngineState::kShow + EngineState::kWorkerEffect:
            if (!c_.scripts.running()->skippable()) return false;
            c_.screen.effectRun() = 0;
            while (c_.screen.effectBusy()) c_.clock.yield();
            return advanceShowScript();
        case EngineState::kMovie:
            if (!c_.scripts.running()->skippable()) return false;
            c_.sound.stopMovie();
            return advanceShowScript();
        case EngineState::kFlash:
            if (!c_.scripts.running()->skippable()) return false;
            c_.flash.stop(&c_.screen.surface(SurfaceRole::FrameSurface));
            c_.screen.present();
            return advanceShowScript();
        case EngineState::kChoices:
            if (c_.status.windowShown) return c_.choices.pick(at);
            if (!c_.status.delay.active && c_.config.spaceKeyEnabled) flipWindow();
            return false;
        default:
            return false;
    }
}

bool PlayerInput::advanceShowScript() {
    if (!c_.scripts.running()->skippable()) return false;
    c_.system.resumeSuspendedScenario();
    return c_.execution.executeNext();
}

bool PlayerInput::forwardStep() {
    const int32_t state = c_.status.value();
    const bool advances = (state >= EngineState::kScenario && state <= EngineState::kWorkerEffect) ||
                          state == EngineState::kPluginBit || state == EngineState::kPluginBit + EngineState::kTyping;
    return advances ? advance() : false;
}

void PlayerInput::flipWindow() {
    if (!c_.status.state().lowByteClear() && !c_.status.pageWait) return;
    c_.status.windowShown = !c_.status.windowShown;
    if (c_.status.state().pluginRunning()) return;
    if (c_.status.windowShown) {
        c_.screen.redrawTextWindow();
    } else {
        c_.screen.hideTextWindow();
    }
}

void PlayerInput::toggleWindow() {
    if (c_.status.lineRead) c_.status.skipRead = false;
    if (c_.status.delay.active || !c_.config.spaceKeyEnabled) return;
    flipWindow();
}

bool PlayerInput::fastForward() {
    c_.status.skipRead = false;
    c_.status.autoMode = false;
    c_.status.skipAll = true;
    const int32_t base = c_.status.state().base();
    const bool advances = (base >= EngineState::kScenario && base <= EngineState::kWorkerEffect) ||
                          (base >= EngineState::kShow && base <= EngineState::kShow + EngineState::kWorkerEffect);
    const bool ended = advances && advance();
    c_.status.run = true;
    return ended;
}

void PlayerInput::endFastForward() { c_.status.skipAll = false; }

void PlayerInput::setSkipRead(bool on) { c_.status.skipRead = on; }

void PlayerInput::setAuto(bool on) {
    c_.status.autoMode = on;
    if (!on) return;
    c_.status.run = true;
    const int32_t state = c_.status.value();
    if ((state == EngineState::kScenario || state == EngineState::kPluginBit) && !c_.status.delay.active) {
        c_.text.startAutoWait();
    }
}

}  // namespace morv
