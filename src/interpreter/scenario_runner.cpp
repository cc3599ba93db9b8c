// The engine's parts, their creation, restart and shutdown.
#include "interpreter/scenario_runner.h"

#include "config/config_file.h"
#include "config/game_config.h"
#include "config/user_settings.h"
#include "display/screen.h"
#include "effects/effect_worker.h"
#include "flash/flash_show.h"
#include "interpreter/choice_screen.h"
#include "interpreter/effect_commands.h"
#include "interpreter/flow_commands.h"
#include "interpreter/image_commands.h"
#include "interpreter/menu_screen.h"
#include "interpreter/player_input.h"
#include "interpreter/review_screen.h"
#include "interpreter/running_scripts.h"
#include "interpreter/save_procedure.h"
#include "interpreter/scenario_state.h"
#include "interpreter/sound_commands.h"
#include "interpreter/system_commands.h"
#include "interpreter/text_commands.h"
#include "platform/platform.h"
#include "saves/read_log.h"
#include "script/script_factory.h"
#include "script/script_file.h"
#include "sound/sound_system.h"

namespace morv {

ScenarioRunner::ScenarioRunner(Platform& platform) : platform_(platform), status_(platform.trace()) {}

ScenarioRunner::~ScenarioRunner() {
    shutdown();
    input_.reset();
    review_.reset();
    menus_.reset();
    choices_.reset();
    system_.reset();
    sounds_.reset();
    effects_.reset();
    images_.reset();
    text_.reset();
    flow_.reset();
    flash_.reset();
    sound_.reset();
    screen_.reset();
    scripts_.reset();
    factory_.reset();
    state_.reset();
    config_.reset();
}

bool ScenarioRunner::initialise() {
    config_ = std::make_unique<GameConfig>();
    if (!readGameConfiguration(*config_, platform_)) {
        // A half-read configuration is not the player's: shutdown must not store it.
        config_.reset();
        return false;
    }
    readUserSettings(*config_, platform_);
    state_ = std::make_unique<ScenarioState>(*config_, platform_);
    factory_ = std::make_unique<ScriptFactory>(ScriptSources{config_->debug, config_->scenarioDirectory}, platform_);
    scripts_ = std::make_unique<RunningScripts>(*factory_);
    if (!scripts_->open(config_->firstScenario, ScriptKind::Scenario)) return false;
    screen_ = std::make_unique<Screen>(*config_, platform_);
    if (screen_->createDisplay() < 0) return false;
    effectWorker_ = std::make_unique<EffectWorker>();
    sound_ = std::make_unique<SoundSystem>(*config_, platform_);
    if (!sound_->initialise()) return false;
    flash_ = std::make_unique<FlashShow>(platform_.files(), platform_.messages());
    readLog_ = std::make_unique<ReadLog>(platform_.files());
    readLog_->load();
    makeHandlers();
    saves_->ensureSaveDirectory();
    saves_->deletePreviousChoiceSave();
    enterInitialState();
    return true;
}

void ScenarioRunner::makeHandlers() {
    Clock& clock = platform_.clock();
    VariableTable& variables = state_->variables;
    flow_ = std::make_unique<FlowCommands>(FlowContext{status_, *scripts_, *state_, clock});
    text_ = std::make_unique<TextCommands>(TextContext{*config_, *screen_, status_, variables, clock});
    images_ = std::make_unique<ImageCommands>(ImageContext{*config_, *screen_, status_, *state_, clock});
    effects_ = std::make_unique<EffectCommands>(EffectContext{*config_, *screen_, status_, variables, clock,
                                                              platform_.files(), platform_.messages(),
                                                              *effectWorker_});
    saves_ = std::make_unique<SaveProcedure>(SaveContext{*config_, platform_.files(), clock, platform_.messages(),
                                                         *screen_, *sound_, *state_, *factory_, *scripts_,
                                                         effects_->continuousEffect()});
    sounds_ = std::make_unique<SoundCommands>(SoundContext{*sound_, *flash_, *screen_, status_, *scripts_, variables, clock});
    system_ = std::make_unique<SystemCommands>(
        SystemContext{status_, *scripts_, *screen_, *sound_, *saves_, variables});
    choices_ = std::make_unique<ChoiceScreen>(ChoiceContext{*config_, *screen_, status_, *scripts_, *state_, *saves_,
                                                            platform_.display(), platform_.trace()});
    menus_ = std::make_unique<MenuScreen>(MenuContext{*config_, *screen_, status_, *scripts_, *state_, *sound_, *system_,
                                                      *this, platform_.display(), platform_.events(),
                                                      platform_.trace()});
    review_ = std::make_unique<ReviewScreen>(ReviewContext{*screen_, status_, *state_});
    input_ = std::make_unique<PlayerInput>(InputContext{*config_, *screen_, status_, *scripts_, *sound_, *flash_, clock,
                                                        platform_.messages(), *text_, *effects_, *choices_, *menus_,
                                                        *review_, *system_, *this});
}

void ScenarioRunner::enterInitialState() {
    status_.resetForNewScript(EngineState::kScenario);
    if (screen_) {
        screen_->resetCharacterClip();
        screen_->resetEffectState();
    }
    if (sound_) sound_->setFadeTime(SoundSystem::kDefaultFadeTimeMs);
}

const ContinuousEffect* ScenarioRunner::continuousEffect() const {
    return effects_ ? &effects_->continuousEffect() : nullptr;
}

bool ScenarioRunner::save(int slot) { return saves_ && saves_->save(slot); }

bool ScenarioRunner::load(int slot) {
    if (!saves_) return false;
    // Nothing of the old game may run on: its effects stop and its sound goes silent
    // even when the slot then cannot be read.
    effects_->endContinuousEffect();
    effectWorker_->stop();
    flash_->stop();
    sound_->stopMovie(&screen_->surface(SurfaceRole::FrameSurface));
    sound_->stopAll();
    std::optional<SaveGame> game = saves_->load(slot);
    if (!game) return false;
    enterInitialState();
    restoreContinuousEffect(game->effectWord, game->effectParameter);
    return true;
}

bool ScenarioRunner::previousChoiceSaveExists() const { return saves_ && saves_->previousChoiceSaveExists(); }

void ScenarioRunner::restoreContinuousEffect(const std::string& word, const std::string& parameter) {
    effects_->restoreContinuousEffect(word, parameter);
}

const ScriptFile* ScenarioRunner::runningScript() const { return scripts_ ? scripts_->running() : nullptr; }

bool ScenarioRunner::idle() const {
    if (status_.delay.active || status_.waitTime.active) return false;
    switch (status_.state().base()) {
        case EngineState::kScenario:
        case EngineState::kShow:
            // Skipping read text passes the wait on the next tick.
            return !status_.run && !status_.skippingReadLine();
        case EngineState::kTyping:
            return status_.pageWait && !status_.autoMode && !status_.skipping();
        case EngineState::kFading:
        case EngineState::kWorkerEffect:
        case EngineState::kShow + EngineState::kFading:
        case EngineState::kShow + EngineState::kWorkerEffect:
        case EngineState::kMovie:
        case EngineState::kFlash:
            return false;
        default:
            return true;
    }
}

void ScenarioRunner::restart() {
    if (effects_) effects_->endContinuousEffect();
    if (effectWorker_) effectWorker_->stop();
    enterInitialState();
    if (sound_) {
        sound_->stopMovie();
        sound_->stopAll();
    }
    if (flash_) flash_->stop();
    if (state_) state_->clearGame();
    if (screen_) {
        screen_->reset();
        screen_->setTextWindowHidden(false);
    }
    if (saves_) saves_->deletePreviousChoiceSave();
    // A first scenario that cannot be opened now leaves the engine without one,
    // and the next command then ends the game.
    if (scripts_) {
        scripts_->clear();
        scripts_->open(config_->firstScenario, ScriptKind::Scenario);
    }
}

void ScenarioRunner::shutdown() {
    if (shutDown_) return;
    shutDown_ = true;
    if (config_) writeUserSettings(*config_, platform_);
    if (effects_) effects_->endContinuousEffect();
    // The worker draws on the screen's surfaces: it ends before they go.
    if (effectWorker_) effectWorker_->stop();
    if (screen_) screen_->restoreDisplayMode();
    if (scripts_) scripts_->clear();
    readLog_.reset();
}

void ScenarioRunner::mediaNotification(int code) {
    if (!sound_) return;
    sound_->mediaNotification(code);
    // The movie the interpreter waits for has ended, or never ran: the show script goes on.
    if (status_.value() == EngineState::kMovie && sound_->stopMovieIfEnded(screen_->surface(SurfaceRole::FrameSurface))) {
        screen_->present();
        status_.lower(EngineState::kMovieOnShow);
    }
}

int ScenarioRunner::toggleDisplayMode() {
    if (!screen_) return Screen::kDisplayFailed;
    if (sound_) sound_->beforeDisplayChange();
    const int status = screen_->toggleDisplayMode();
    if (sound_) sound_->afterDisplayChange();
    return status;
}

// --- The player's operations -------------------------------------------------

bool ScenarioRunner::Advance(std::optional<PointerPosition> at) { return input_->Advance(at); }
void ScenarioRunner::toggleWindow() { input_->toggleWindow(); }
bool ScenarioRunner::cancel() { return input_->cancel(); }
bool ScenarioRunner::fastForward() { return input_->fastForward(); }
void ScenarioRunner::endFastForward() { input_->endFastForward(); }
void ScenarioRunner::setSkipRead(bool on) { input_->setSkipRead(on); }
void ScenarioRunner::setAuto(bool on) { input_->setAuto(on); }
void ScenarioRunner::reviewBack() { input_->reviewBack(); }
bool ScenarioRunner::reviewForward() { return input_->reviewForward(); }
bool ScenarioRunner::arrowKey(PlayerInput::Arrow arrow) { return input_->arrowKey(arrow); }
void ScenarioRunner::pointerMove(PointerPosition at, bool leftHeld) { input_->pointerMove(at, leftHeld); }
void ScenarioRunner::buttonRelease() { input_->buttonRelease(); }

}  // namespace morv
