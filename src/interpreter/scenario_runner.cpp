#include "interpreter/scenario_runner.h"

#include "config/config_file.h"
#include "config/game_config.h"
#include "config/user_settings.h"
#include "display/screen.h"
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
    screen_->present();
    sound_ = std::make_unique<SoundSystem>(*config_, platform_);
    if (!sound_->initialise()) return false;
    readLog_ = std::make_unique<ReadLog>(platform_.files());
    readLog_->load();
    platform_.files().makeDirectory(config_->saveDirectory);
    deletePreviousChoiceSave();
    enterInitialState();
    return true;
}

void ScenarioRunner::enterInitialState() {
    setEngineState(0);
    busy_ = true;
    skipRead_ = false;
    autoMode_ = false;
    if (screen_) screen_->resetEffectState();
    if (sound_) sound_->setFadeTime(SoundSystem::kDefaultFadeTimeMs);
}

void ScenarioRunner::deletePreviousChoiceSave() {
    platform_.files().remove(config_->saveDirectory + kPreviousChoiceSave);
}

void ScenarioRunner::setEngineState(int state) {
    if (state != engineState_) platform_.trace().stateChange(engineState_, state);
    engineState_ = state;
}

bool ScenarioRunner::tick() {
    if (!script_) return false;
    // Until the interpreter executes commands, the scenario is walked to its end.
    const ScenarioCommand* command = script_->Next();
    if (!command || command->id == CommandId::End) {
        deletePreviousChoiceSave();
        script_.reset();
        busy_ = false;
        return true;
    }
    return false;
}

bool ScenarioRunner::idle() const { return !busy_; }

void ScenarioRunner::restart() {
    enterInitialState();
    if (sound_) sound_->stopAll();
    if (state_) state_->clearGame();
    if (screen_) screen_->reset();
    deletePreviousChoiceSave();
    script_.reset();
    suspended_.reset();
    // A first scenario that cannot be opened now leaves the engine without one.
    script_ = factory_->Open(config_->firstScenario, ScriptKind::Scenario);
}

void ScenarioRunner::shutdown() {
    if (shutDown_) return;
    shutDown_ = true;
    if (config_) writeUserSettings(*config_, platform_);
    if (screen_) screen_->restoreDisplayMode();
    suspended_.reset();
    script_.reset();
    readLog_.reset();
}

}  // namespace morv
