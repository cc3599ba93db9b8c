// The engine tick: advances whatever is in progress and runs the next command when nothing holds it back.
#include "display/screen.h"
#include "interpreter/choice_screen.h"
#include "flash/flash_show.h"
#include "interpreter/effect_commands.h"
#include "interpreter/image_commands.h"
#include "interpreter/player_input.h"
#include "interpreter/scenario_runner.h"
#include "interpreter/text_commands.h"
#include "platform/platform.h"
#include "sound/sound_system.h"

namespace morv {

bool ScenarioRunner::Tick() {
    if (status_.state().pluginRunning()) effects_->tickContinuousEffect();
    sound_->advanceFade();
    // Skipping never stops at a wait.
    if (status_.skippingReadLine()) status_.run = true;
    switch (status_.state().base()) {
        case EngineState::kScenario:
            if (!status_.run && status_.windowShown) text_->blinkCaret();
            return commonTail();
        case EngineState::kShow:
            return commonTail();
        case EngineState::kTyping:
            return tickTyping();
        case EngineState::kFading:
        case EngineState::kShow + EngineState::kFading:
            screen_->present();
            images_->fadeStep();
            return false;
        case EngineState::kWorkerEffect:
        case EngineState::kShow + EngineState::kWorkerEffect:
            screen_->showWorkerFrame();
            if (screen_->effectBusy() == 0) {
                status_.lower(EngineState::kWorkerEffect);
            } else if (status_.skipping()) {
                effects_->askWorkerToStop();
            } else {
                // The worker gets the processor while this thread only polls.
                platform_.clock().yield();
            }
            return false;
        case EngineState::kMovie:
            // The picture due at the movie's clock goes into the frame; its end comes
            // as a media notification.
            if (sound_->drawMovieFrame(screen_->surface(SurfaceRole::FrameSurface))) screen_->present();
            return false;
        case EngineState::kFlash: {
            // Each tick that reaches a new frame draws and shows it; the ending gives
            // back the covered scene.
            Surface& frame = screen_->surface(SurfaceRole::FrameSurface);
            if (flash_->update(platform_.clock().ticks(), frame)) screen_->present();
            if (flash_->finished(frame)) {
                screen_->present();
                status_.lower(EngineState::kFlashOnShow);
            }
            return false;
        }
        case EngineState::kChoices:
            // A plug-in animation draws over the window: the highlight goes back on every tick.
            if (status_.state().pluginRunning() && status_.windowShown) choices_->refreshHighlight();
            screen_->present();
            return false;
        case EngineState::kReview:
        case EngineState::kMenu:
        case EngineState::kGalleryImage:
        case EngineState::kChoices + EngineState::kReview:
            screen_->present();
            return false;
        default:
            return false;
    }
}

bool ScenarioRunner::waitsForInput() const {
    const EngineState state = status_.state();
    if (state.pluginRunning()) return false;
    switch (state.base()) {
        case EngineState::kMenu:
        case EngineState::kReview:
        case EngineState::kGalleryImage:
        case EngineState::kChoices:
        case EngineState::kChoices + EngineState::kReview:
            return true;
        default:
            return false;
    }
}

bool ScenarioRunner::tickTyping() {
    screen_->present();
    if (!status_.pageWait) {
        text_->typeNextStep();
        return false;
    }
    if (status_.autoMode) {
        if (!status_.delay.active) {
            text_->startAutoWait();
        } else if (status_.delay.expired(platform_.clock().ticks())) {
            status_.delay.clear();
            text_->continueText();
            status_.run = true;
        }
    }
    if (status_.pageWait && status_.skipping()) {
        input_->advanceByState(std::nullopt);
        status_.run = true;
    }
    const EngineState state = status_.state();
    if (state.base() == EngineState::kTyping && status_.windowShown && (status_.pageWait || !state.pluginRunning())) {
        text_->blinkCaret();
    }
    return false;
}

bool ScenarioRunner::commonTail() {
    screen_->present();
    const uint32_t now = platform_.clock().ticks();
    if (status_.delay.active) {
        if (!status_.delay.expired(now)) return false;
        status_.delay.clear();
    }
    if (status_.waitTime.active) {
        if (!status_.waitTime.expired(now)) return false;
        status_.waitTime.clear();
    }
    return status_.run ? ExecuteNext() : false;
}

}  // namespace morv
