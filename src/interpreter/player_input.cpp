// The player's operations during play: advance, the text window, cancel, skipping,
// auto play, the review, the arrow keys and the pointer.
#include "interpreter/player_input.h"

#include "config/game_config.h"
#include "display/screen.h"
#include "flash/flash_show.h"
#include "interpreter/choice_screen.h"
#include "interpreter/command_execution.h"
#include "interpreter/effect_commands.h"
#include "interpreter/engine_status.h"
#include "interpreter/menu_screen.h"
#include "interpreter/review_screen.h"
#include "interpreter/running_scripts.h"
#include "interpreter/system_commands.h"
#include "interpreter/text_commands.h"
#include "platform/clock.h"
#include "platform/message_boxes.h"
#include "script/script_file.h"
#include "sound/sound_system.h"

namespace morv {

namespace {

// States whose text the scenario is running or typing: 0 to 3, 4096 and 4097.
bool textGoesOn(int32_t state) {
    return (state >= EngineState::kScenario && state <= EngineState::kWorkerEffect) ||
           state == EngineState::kPluginBit || state == EngineState::kPluginBit + EngineState::kTyping;
}

bool choicesWait(int32_t state) {
    return state == EngineState::kChoices || state == EngineState::kPluginBit + EngineState::kChoices;
}

}  // namespace

bool PlayerInput::Advance(std::optional<PointerPosition> at) {
    EngineStatus& status = c_.status;
    // A click stops skipping read text and auto play, except while choices wait.
    if (status.value() != EngineState::kChoices) {
        if (status.lineRead) status.skipRead = false;
        status.autoMode = false;
    }
    runBeforeAdvance_ = status.run;
    status.run = true;
    return advanceByState(at);
}

bool PlayerInput::advanceByState(std::optional<PointerPosition> at) {
    EngineStatus& status = c_.status;
    const bool plugin = status.state().pluginRunning();
    switch (status.state().base()) {
        case EngineState::kScenario:
            if (status.delay.active) {
                if (!status.delay.skippable) return false;
                status.delay.clear();
            }
            if (status.windowShown) return c_.execution.ExecuteNext();
            showHiddenWindow();
            return false;
        case EngineState::kTyping:
            if (!status.pageWait) {
                if (!plugin) status.fastForward = true;
                c_.text.revealRest();
            } else if (status.windowShown) {
                status.delay.clear();
                if (plugin) {
                    status.pageWait = false;
                    c_.screen.continueOnFreshPage();
                    c_.text.revealRest();
                } else {
                    c_.text.continueText();
                }
            } else {
                showHiddenWindow();
            }
            return false;
        case EngineState::kFading:
            c_.screen.finishQuickFade();
            status.lower(EngineState::kFading);
            return false;
        case EngineState::kWorkerEffect:
            c_.effects.askWorkerToStop();
            return false;
        case EngineState::kReview:
        case EngineState::kChoices + EngineState::kReview:
            if (at) c_.review.click(*at);
            return false;
        case EngineState::kMenu:
            return c_.menus.click(at);
        case EngineState::kGalleryImage:
            c_.menus.closeGalleryPicture();
            return false;
        case EngineState::kShow:
        case EngineState::kShow + EngineState::kTyping:
        case EngineState::kShow + EngineState::kFading:
            return advanceShowScript();
        case EngineState::kShow + EngineState::kWorkerEffect:
            if (!c_.scripts.running()->skippable()) return false;
            c_.screen.effectRun() = 0;
            while (c_.screen.effectBusy() != 0) c_.clock.yield();
            return advanceShowScript();
        case EngineState::kMovie:
            if (!c_.scripts.running()->skippable()) return false;
            c_.sound.stopMovie(&c_.screen.surface(SurfaceRole::FrameSurface));
            c_.screen.present();
            return advanceShowScript();
        case EngineState::kFlash:
            if (!c_.scripts.running()->skippable()) return false;
            c_.flash.stop(&c_.screen.surface(SurfaceRole::FrameSurface));
            c_.screen.present();
            return advanceShowScript();
        case EngineState::kChoices:
            if (status.windowShown) return c_.choices.pick(at);
            showHiddenWindow();
            return false;
        default:
            return false;
    }
}

void PlayerInput::showHiddenWindow() {
    if (c_.status.delay.active || !c_.config.spaceKeyEnabled) return;
    flipWindow();
    // The click only brought the window back: the line shown now waits for the next click.
    c_.status.run = runBeforeAdvance_;
}

bool PlayerInput::advanceShowScript() {
    if (!c_.scripts.running()->skippable()) return false;
    c_.system.resumeSuspendedScenario();
    return c_.execution.ExecuteNext();
}

void PlayerInput::flipWindow() {
    EngineStatus& status = c_.status;
    if (!status.state().lowByteClear() && !status.pageWait) return;
    status.windowShown = !status.windowShown;
    if (status.state().pluginRunning()) return;
    if (status.windowShown) {
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

bool PlayerInput::cancel() {
    const int32_t state = c_.status.value();
    if (ReviewScreen::isReviewState(state)) {
        c_.review.leave();
        return false;
    }
    switch (state) {
        case EngineState::kGalleryImage:
            c_.menus.closeGalleryPicture();
            return false;
        case EngineState::kMovie:
        case EngineState::kFlash:
            if (!c_.scripts.running()->skippable()) return false;
            if (state == EngineState::kMovie) {
                c_.sound.stopMovie(&c_.screen.surface(SurfaceRole::FrameSurface));
            } else {
                c_.flash.stop(&c_.screen.surface(SurfaceRole::FrameSurface));
            }
            c_.screen.present();
            c_.system.resumeSuspendedScenario();
            return false;
        default:
            return c_.messages.question("프로그램을 종료합니다.");
    }
}

bool PlayerInput::fastForward() {
    EngineStatus& status = c_.status;
    status.skipRead = false;
    status.autoMode = false;
    status.skipAll = true;
    const int32_t base = status.state().base();
    const bool advances = (base >= EngineState::kScenario && base <= EngineState::kWorkerEffect) ||
                          (base >= EngineState::kShow && base <= EngineState::kShow + EngineState::kWorkerEffect);
    const bool ended = advances && Advance();
    status.run = true;
    return ended;
}

void PlayerInput::endFastForward() { c_.status.skipAll = false; }

void PlayerInput::setSkipRead(bool on) { c_.status.skipRead = on; }

void PlayerInput::setAuto(bool on) {
    EngineStatus& status = c_.status;
    status.autoMode = on;
    if (!on) return;
    status.run = true;
    const int32_t state = status.value();
    if ((state == EngineState::kScenario || state == EngineState::kPluginBit) && !status.delay.active) {
        c_.text.startAutoWait();
    }
}

void PlayerInput::reviewBack() {
    EngineStatus& status = c_.status;
    if (status.delay.active) return;
    const int32_t state = status.value();
    if (ReviewScreen::isReviewState(state)) {
        c_.review.lineBack();
        return;
    }
    switch (state) {
        case EngineState::kScenario:
        case EngineState::kChoices:
        case EngineState::kPluginBit:
        case EngineState::kPluginBit + EngineState::kChoices:
            break;
        case EngineState::kTyping:
        case EngineState::kPluginBit + EngineState::kTyping:
            // The page being typed is finished first, and waits for its click after the review.
            if (!status.pageWait && c_.screen.revealRest() == Screen::kTextPageFull) status.pageWait = true;
            break;
        case EngineState::kFading:
            c_.screen.finishQuickFade();
            break;
        default:
            return;
    }
    c_.review.open();
}

bool PlayerInput::reviewForward() {
    const int32_t state = c_.status.value();
    if (ReviewScreen::isReviewState(state)) {
        c_.review.lineForward();
        return false;
    }
    return textGoesOn(state) ? Advance() : false;
}

bool PlayerInput::arrowKey(Arrow arrow) {
    const int32_t state = c_.status.value();
    if ((state >= EngineState::kScenario && state <= EngineState::kReview) || ReviewScreen::isReviewState(state)) {
        if (arrow == Arrow::Down) return reviewForward();
        reviewBack();
        return false;
    }
    if (choicesWait(state) && c_.status.windowShown) {
        c_.choices.movePointerToChoice(arrow == Arrow::Up ? ChoiceScreen::PointerTarget::Previous
                                                          : ChoiceScreen::PointerTarget::Next);
    }
    return false;
}

void PlayerInput::pointerMove(PointerPosition at, bool leftHeld) {
    const int32_t state = c_.status.value();
    if (ReviewScreen::isReviewState(state)) {
        c_.review.pointerMove(at, leftHeld);
    } else if (state == EngineState::kMenu) {
        c_.menus.pointerMove(at);
    } else if (state == EngineState::kChoices && c_.status.windowShown) {
        c_.choices.pointerMove(at);
    }
}

void PlayerInput::buttonRelease() {
    if (ReviewScreen::isReviewState(c_.status.value())) c_.review.buttonRelease();
}

}  // namespace morv
