// The engine tick and the player's operations that move the interpreter on.
#include "config/game_config.h"
#include "display/screen.h"
#include "interpreter/scenario_runner.h"
#include "interpreter/scenario_state.h"
#include "platform/platform.h"
#include "script/script_file.h"
#include "sound/sound_system.h"

namespace morv {

bool ScenarioRunner::tick() {
    sound_->advanceFade();
    // Skipping never stops at a wait.
    if (skippingReadLine()) run_ = true;
    switch (engineState_.base()) {
        case EngineState::kScenario:
            if (!run_ && windowShown_) blinkCaret();
            return commonTail();
        case EngineState::kShow:
            return commonTail();
        case EngineState::kTyping:
            return tickTyping();
        case EngineState::kFading:
        case EngineState::kShow + EngineState::kFading:
            return tickFade();
        case EngineState::kWorkerEffect:
        case EngineState::kShow + EngineState::kWorkerEffect:
            screen_->showWorkerFrame();
            if (screen_->effectBusy() == 0) {
                lowerState(EngineState::kWorkerEffect);
            } else if (skipping()) {
                askWorkerToStop();
            } else {
                // The worker gets the processor while this thread only polls.
                platform_.clock().yield();
            }
            return false;
        case EngineState::kFlash:
            if (sound_->flashFinished()) lowerState(EngineState::kFlashOnShow);
            return false;
        case EngineState::kChoices:
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

bool ScenarioRunner::tickTyping() {
    screen_->present();
    if (!pageWait_) {
        if (step_.due(now())) {
            const int result = screen_->revealNext();
            if (result == Screen::kTextFinished) {
                lowerState(EngineState::kTyping);
            } else if (result == Screen::kTextPageFull) {
                pageWait_ = true;
            }
        }
        return false;
    }
    if (autoMode_) {
        if (!delay_.active) {
            startAutoWait();
        } else if (delay_.expired(now())) {
            delay_.clear();
            continueText();
            run_ = true;
        }
    }
    if (pageWait_ && skipping()) {
        advanceByState(std::nullopt);
        run_ = true;
    }
    if (engineState_.base() == EngineState::kTyping && windowShown_ && (pageWait_ || !engineState_.pluginRunning())) {
        blinkCaret();
    }
    return false;
}

bool ScenarioRunner::tickFade() {
    screen_->present();
    if (step_.due(now()) && screen_->quickFadeStep()) lowerState(EngineState::kFading);
    return false;
}

bool ScenarioRunner::commonTail() {
    screen_->present();
    if (delay_.active) {
        if (!delay_.expired(now())) return false;
        delay_.clear();
    }
    if (waitTime_.active) {
        if (!waitTime_.expired(now())) return false;
        waitTime_.clear();
    }
    return run_ ? executeNext() : false;
}

void ScenarioRunner::askWorkerToStop() {
    screen_->effectRun() = 0;
    platform_.clock().yield();
    platform_.clock().yield();
}

void ScenarioRunner::startAutoWait() {
    delay_.begin(now(), static_cast<uint32_t>(std::max(0, 2000 - 200 * config_->autoSpeed)), true);
}

void ScenarioRunner::blinkCaret() { screen_->blinkCaret(pageWait_, engineState_.pluginRunning()); }

void ScenarioRunner::continueText() {
    pageWait_ = false;
    const int result = screen_->continueOnFreshPage();
    // Text that is skipped or was hurried along shows its next page whole as well.
    if (result == Screen::kTextDrawn && (skipping() || fastForward_)) {
        settleText(screen_->revealRest());
    } else if (result != Screen::kTextDrawn) {
        settleText(result);
    }
}

bool ScenarioRunner::advance(std::optional<PointerPosition> at) {
    // A click stops skipping read text and auto play, except while choices wait.
    if (engineState_.value() != EngineState::kChoices) {
        if (lineRead_) skipRead_ = false;
        autoMode_ = false;
    }
    run_ = true;
    return advanceByState(at);
}

bool ScenarioRunner::advanceByState(std::optional<PointerPosition> at) {
    const bool plugin = engineState_.pluginRunning();
    switch (engineState_.base()) {
        case EngineState::kScenario:
            if (delay_.active) {
                if (!delay_.skippable) return false;
                delay_.clear();
            }
            if (windowShown_) return executeNext();
            if (config_->spaceKeyEnabled) flipWindow();
            return false;
        case EngineState::kTyping:
            if (!pageWait_) {
                if (!plugin) fastForward_ = true;
                settleText(screen_->revealRest());
            } else if (windowShown_) {
                delay_.clear();
                if (plugin) {
                    pageWait_ = false;
                    screen_->continueOnFreshPage();
                    settleText(screen_->revealRest());
                } else {
                    continueText();
                }
            } else if (!delay_.active && config_->spaceKeyEnabled) {
                flipWindow();
            }
            return false;
        case EngineState::kFading:
            screen_->finishQuickFade();
            lowerState(EngineState::kFading);
            return false;
        case EngineState::kWorkerEffect:
            askWorkerToStop();
            return false;
        case EngineState::kMenu:
            return menuClick(at);
        case EngineState::kGalleryImage:
            screen_->showStage();
            setEngineState(EngineState::kMenu);
            return false;
        case EngineState::kShow:
        case EngineState::kShow + EngineState::kTyping:
        case EngineState::kShow + EngineState::kFading:
            return advanceShowScript();
        case EngineState::kShow + EngineState::kWorkerEffect:
            if (!script_->skippable()) return false;
            screen_->effectRun() = 0;
            while (screen_->effectBusy() != 0) platform_.clock().yield();
            return advanceShowScript();
        case EngineState::kMovie:
            if (!script_->skippable()) return false;
            sound_->stopMovie();
            return advanceShowScript();
        case EngineState::kFlash:
            if (!script_->skippable()) return false;
            sound_->stopFlash();
            return advanceShowScript();
        case EngineState::kChoices:
            if (windowShown_) return pickChoice(at);
            if (!delay_.active && config_->spaceKeyEnabled) flipWindow();
            return false;
        default:
            return false;
    }
}

bool ScenarioRunner::advanceShowScript() {
    if (!script_->skippable()) return false;
    resumeSuspendedScenario();
    return executeNext();
}

bool ScenarioRunner::forwardStep() {
    const int32_t state = engineState_.value();
    const bool advances = (state >= EngineState::kScenario && state <= EngineState::kWorkerEffect) ||
                          state == EngineState::kPluginBit || state == EngineState::kPluginBit + EngineState::kTyping;
    return advances ? advance() : false;
}

void ScenarioRunner::flipWindow() {
    if (!engineState_.lowByteClear() && !pageWait_) return;
    windowShown_ = !windowShown_;
    if (engineState_.pluginRunning()) return;
    if (windowShown_) {
        screen_->redrawTextWindow();
    } else {
        screen_->hideTextWindow();
    }
}

void ScenarioRunner::toggleWindow() {
    if (lineRead_) skipRead_ = false;
    if (delay_.active || !config_->spaceKeyEnabled) return;
    flipWindow();
}

bool ScenarioRunner::fastForward() {
    skipRead_ = false;
    autoMode_ = false;
    skipAll_ = true;
    const int32_t base = engineState_.base();
    const bool advances = (base >= EngineState::kScenario && base <= EngineState::kWorkerEffect) ||
                          (base >= EngineState::kShow && base <= EngineState::kShow + EngineState::kWorkerEffect);
    const bool ended = advances && advance();
    run_ = true;
    return ended;
}

void ScenarioRunner::endFastForward() { skipAll_ = false; }

void ScenarioRunner::setSkipRead(bool on) { skipRead_ = on; }

void ScenarioRunner::setAuto(bool on) {
    autoMode_ = on;
    if (!on) return;
    run_ = true;
    const int32_t state = engineState_.value();
    if ((state == EngineState::kScenario || state == EngineState::kPluginBit) && !delay_.active) {
        startAutoWait();
    }
}

}  // namespace morv
