#include "interpreter/scenario_runner.h"

#include "config/config_file.h"
#include "config/game_config.h"
#include "config/user_settings.h"
#include "display/screen.h"
#include "effects/effect_worker.h"
#include "interpreter/scenario_state.h"
#include "platform/platform.h"
#include "saves/read_log.h"
#include "script/script_factory.h"
#include "sound/sound_system.h"

namespace morv {

ScenarioRunner::ScenarioRunner(Platform& platform) : platform_(platform) {}

ScenarioRunner::~ScenarioRunner() {
    shutdown();
    sound_.reset();
    screen_.reset();
    factory_.reset();
    state_.reset();
    config_.reset();
}

bool ScenarioRunner::initialise() {
    config_ = std::make_unique<GameConfig>();
    if (!readGameConfiguration(*config_, platform_)) return false;
    readUserSettings(*config_, platform_);
    state_ = std::make_unique<ScenarioState>(*config_, platform_);
    factory_ = std::make_unique<ScriptFactory>(*config_, platform_);
    script_ = factory_->Open(config_->firstScenario, ScriptKind::Scenario);
    if (!script_) return false;
    screen_ = std::make_unique<Screen>(*config_, platform_);
    if (screen_->createDisplay() < 0) return false;
    effectWorker_ = std::make_unique<EffectWorker>();
    sound_ = std::make_unique<SoundSystem>(*config_, platform_);
    if (!sound_->initialise()) return false;
    readLog_ = std::make_unique<ReadLog>(platform_.files());
    readLog_->load();
    ensureSaveDirectory();
    deletePreviousChoiceSave();
    enterInitialState();
    return true;
}

void ScenarioRunner::enterInitialState() {
    resetForNewScript(EngineState::kScenario);
    if (screen_) screen_->resetEffectState();
    if (sound_) sound_->setFadeTime(SoundSystem::kDefaultFadeTimeMs);
}

void ScenarioRunner::resetForNewScript(int32_t state) {
    setEngineState(state);
    skipAll_ = false;
    fastForward_ = false;
    run_ = true;
    pageWait_ = false;
    windowShown_ = true;
    delay_.clear();
    waitTime_.clear();
    skipRead_ = false;
    autoMode_ = false;
    lineRead_ = true;
    if (screen_) screen_->resetCharacterClip();
}

void ScenarioRunner::ensureSaveDirectory() { platform_.files().makeDirectory(config_->saveDirectory); }

void ScenarioRunner::deletePreviousChoiceSave() {
    platform_.files().remove(config_->saveDirectory + kPreviousChoiceSave);
}

// The one place where the state changes, so that every change is traced.
void ScenarioRunner::setEngineState(int32_t state) {
    if (state != engineState_.value()) platform_.trace().stateChange(engineState_.value(), state);
    engineState_ = EngineState(state);
}

uint32_t ScenarioRunner::now() { return platform_.clock().ticks(); }

bool ScenarioRunner::idle() const {
    if (delay_.active || waitTime_.active) return false;
    switch (engineState_.base()) {
        case EngineState::kScenario:
        case EngineState::kShow:
            // Skipping read text passes the wait on the next tick.
            return !run_ && !skippingReadLine();
        case EngineState::kTyping:
            return pageWait_ && !autoMode_ && !skipping();
        case EngineState::kFading:
        case EngineState::kWorkerEffect:
        case EngineState::kShow + EngineState::kFading:
        case EngineState::kShow + EngineState::kWorkerEffect:
        case EngineState::kFlash:
            return false;
        default:
            return true;
    }
}

void ScenarioRunner::restart() {
    if (effectWorker_) effectWorker_->stop();
    enterInitialState();
    if (sound_) sound_->stopAll();
    if (state_) state_->clearGame();
    if (screen_) {
        screen_->reset();
        screen_->setTextWindowHidden(false);
    }
    deletePreviousChoiceSave();
    script_.reset();
    suspended_.reset();
    // A first scenario that cannot be opened now leaves the engine without one,
    // and the next command then ends the game.
    script_ = factory_->Open(config_->firstScenario, ScriptKind::Scenario);
}

void ScenarioRunner::shutdown() {
    if (shutDown_) return;
    shutDown_ = true;
    if (config_) writeUserSettings(*config_, platform_);
    // The worker draws on the screen's surfaces: it ends before they go.
    if (effectWorker_) effectWorker_->stop();
    if (screen_) screen_->restoreDisplayMode();
    suspended_.reset();
    script_.reset();
    readLog_.reset();
}

}  // namespace morv
