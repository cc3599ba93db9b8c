// The engine: owns the parts of a running game and hands each command to its handler.
#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "interpreter/command_execution.h"
#include "interpreter/engine_status.h"
#include "interpreter/player_input.h"
#include "platform/pointer_position.h"
#include "script/scenario_command.h"

namespace morv {

class ChoiceScreen;
class ContinuousEffect;
class EffectCommands;
class FlowCommands;
class ImageCommands;
class MenuScreen;
class EffectWorker;
class FlashShow;
class ReadLog;
class ReviewScreen;
class RunningScripts;
class SaveProcedure;
class ScenarioState;
class Screen;
class ScriptFactory;
class ScriptFile;
class SoundCommands;
class SoundSystem;
class SystemCommands;
class TextCommands;
class Platform;
struct GameConfig;

// The engine: owns every part of a running game and executes the scenario one
// command at a time, handing each command to the handler of its group; commands
// that must wait only set a state or a timer, and the tick decides when the next
// one runs.
class ScenarioRunner : private CommandExecution {
public:
    explicit ScenarioRunner(Platform& platform);
    ~ScenarioRunner() override;
    ScenarioRunner(const ScenarioRunner&) = delete;
    ScenarioRunner& operator=(const ScenarioRunner&) = delete;

    // Brings every part up in order; false at the first part that failed (which
    // has shown its message). The parts already made stay for the shutdown.
    bool initialise();
    // Writes the settings, restores the display, drops the scripts and the read log;
    // the destructor then takes down sound, screen, scenario state and configuration.
    void shutdown();
    // Resets the engine in place and opens the first scenario again.
    void restart();

    // --- Turns and player input (all true when the game has ended) ----------
    // One turn of the engine.
    bool Tick();
    // A click (with its position), Enter (without one).
    bool Advance(std::optional<PointerPosition> at = std::nullopt);
    // Space: shows or hides the text window.
    void toggleWindow();
    // Escape; true when the player agreed to close the program.
    bool cancel();
    // Ctrl held: everything completes at once until it is released.
    bool fastForward();
    void endFastForward();
    // The player options "읽은 문장은 빠르게" and "자동게임진행".
    void setSkipRead(bool on);
    void setAuto(bool on);
    // The wheel away from the player (or "지난 문장 보기"), and toward the player.
    void reviewBack();
    bool reviewForward();
    bool arrowKey(PlayerInput::Arrow arrow);
    void pointerMove(PointerPosition at, bool leftHeld);
    // The left button went up.
    void buttonRelease();

    // A media notification: the sound system handles it, then a movie that the
    // interpreter waits for and that has ended is stopped.
    void mediaNotification(int code);
    // Switches between window and full screen, a playing movie going on at its position.
    // Negative when the switch failed (after its message).
    int toggleDisplayMode();

    // While set, the main loop does not pace itself.
    bool busy() const { return status_.run; }
    // True in the states whose ticks only wait for the player (menus, the review,
    // a gallery picture, choices) while no plug-in animation runs.
    bool waitsForInput() const;
    // True when the engine waits for the player and nothing runs by itself.
    bool idle() const;

    EngineState engineState() const { return status_.state(); }
    bool windowShown() const { return status_.windowShown; }
    bool pageWait() const { return status_.pageWait; }
    bool skipRead() const { return status_.skipRead; }
    bool autoMode() const { return status_.autoMode; }
    const DelayTimer& delayTimer() const { return status_.delay; }
    const GameConfig* config() const { return config_.get(); }
    GameConfig* config() { return config_.get(); }
    // The sound system, for the menus, the settings and media notifications; null before start-up.
    SoundSystem* sound() { return sound_.get(); }
    const ScriptFile* runningScript() const;
    ScenarioState* scenarioState() { return state_.get(); }
    Screen* screen() { return screen_.get(); }
    // The running continuous effect; its word and parameter are what a save keeps.
    const ContinuousEffect* continuousEffect() const;
    // A loaded game's continuous effect: the running one ends, and a saved word
    // that is not empty starts its library again.
    void restoreContinuousEffect(const std::string& word, const std::string& parameter);

    // --- Saved games --------------------------------------------------------
    // Writes slot n (1 to 50, or 90); a failure has shown its message.
    bool save(int slot);
    // Reads slot n and continues the game from it; a failure has shown its message.
    bool load(int slot);
    // Whether the previous-choice save ("save0090.dat") exists.
    bool previousChoiceSaveExists() const;

private:
    // Life cycle (scenario_runner.cpp).
    void makeHandlers();
    void enterInitialState();

    // Execution (execute_next.cpp).
    bool ExecuteNext() override;
    bool perform(ScenarioCommand& command) override;

    // Ticks (tick.cpp).
    bool tickTyping();
    bool commonTail();

    Platform& platform_;
    // Declared in creation order; the shutdown destroys them in its own order.
    std::unique_ptr<GameConfig> config_;
    std::unique_ptr<ScenarioState> state_;
    std::unique_ptr<ScriptFactory> factory_;
    std::unique_ptr<RunningScripts> scripts_;
    std::unique_ptr<Screen> screen_;
    std::unique_ptr<SoundSystem> sound_;
    std::unique_ptr<FlashShow> flash_;
    std::unique_ptr<ReadLog> readLog_;
    std::unique_ptr<SaveProcedure> saves_;
    EngineStatus status_;
    std::unique_ptr<EffectWorker> effectWorker_;  // draws threaded transitions on the screen's surfaces

    // The command groups and the player's operations, made once every part exists.
    std::unique_ptr<FlowCommands> flow_;
    std::unique_ptr<TextCommands> text_;
    std::unique_ptr<ImageCommands> images_;
    std::unique_ptr<EffectCommands> effects_;
    std::unique_ptr<SoundCommands> sounds_;
    std::unique_ptr<SystemCommands> system_;
    std::unique_ptr<ChoiceScreen> choices_;
    std::unique_ptr<MenuScreen> menus_;
    std::unique_ptr<ReviewScreen> review_;
    std::unique_ptr<PlayerInput> input_;
    bool shutDown_ = false;
};

}  // namespace morv
