#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "interpreter/engine_state.h"
#include "interpreter/interpreter_timers.h"
#include "script/scenario_command.h"
#include "script/script_kind.h"

namespace morv {

class EffectWorker;
struct GameConfig;
class Platform;
class ReadLog;
class ScenarioState;
class Screen;
class ScriptFactory;
class ScriptFile;
class SoundSystem;

// A position in the window's client area.
struct PointerPosition {
    int x = 0;
    int y = 0;
};

// The engine: owns every part of a running game and executes the scenario one
// command at a time; commands that must wait only set a state or a timer, and the
// tick decides when the next one runs.
class ScenarioRunner {
public:
    // Name of the previous-choice save in the save directory.
    static constexpr const char* kPreviousChoiceSave = "save0090.dat";

    explicit ScenarioRunner(Platform& platform);
    ~ScenarioRunner();
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
    bool tick();
    // A click (with its position), Enter (without one).
    bool advance(std::optional<PointerPosition> at = std::nullopt);
    // The wheel turned toward the player.
    bool forwardStep();
    // Space: shows or hides the text window.
    void toggleWindow();
    // Ctrl held: everything completes at once until it is released.
    bool fastForward();
    void endFastForward();
    // The player options "읽은 문장은 빠르게" and "자동게임진행".
    void setSkipRead(bool on);
    void setAuto(bool on);

    // While set, the main loop does not pace itself.
    bool busy() const { return run_; }
    // True when the engine waits for the player and nothing runs by itself.
    bool idle() const;

    EngineState engineState() const { return engineState_; }
    bool windowShown() const { return windowShown_; }
    bool pageWait() const { return pageWait_; }
    bool skipRead() const { return skipRead_; }
    bool autoMode() const { return autoMode_; }
    const DelayTimer& delayTimer() const { return delay_; }
    const GameConfig* config() const { return config_.get(); }
    GameConfig* config() { return config_.get(); }
    const ScriptFile* runningScript() const { return script_.get(); }
    ScenarioState* scenarioState() { return state_.get(); }
    Screen* screen() { return screen_.get(); }

private:
    // Life cycle (scenario_runner.cpp).
    void setEngineState(int32_t state);
    void raiseState(int32_t offset) { setEngineState(engineState_.value() + offset); }
    void lowerState(int32_t offset) { setEngineState(engineState_.value() - offset); }
    void enterInitialState();
    void deletePreviousChoiceSave();
    void ensureSaveDirectory();
    // A new script is running: everything that waited or skipped starts afresh.
    void resetForNewScript(int32_t state);
    uint32_t now();

    // Execution (execute_next.cpp).
    bool executeNext();
    bool perform(ScenarioCommand& command);
    void substitute(ScenarioCommand& command, int first, int last);
    // A numeric target is a line of the running script, anything else a scenario
    // file that replaces it. True when the file cannot be opened (the game ends).
    bool resolveTarget(const std::string& target);
    // True when the line being executed lets waits pass by themselves.
    bool skippingReadLine() const { return skipRead_ && lineRead_; }
    bool skipping() const { return skipAll_ || skippingReadLine(); }
    // In auto mode a wait lasts 2000 - 200 x auto speed ms instead of waiting for a click.
    void startAutoWait();

    // Command groups (command_*.cpp); each returns true when the game ends.
    bool performText(ScenarioCommand& command);
    bool performChoice(ScenarioCommand& command);
    bool performFlow(ScenarioCommand& command);
    bool performImage(ScenarioCommand& command);
    bool performEffect(ScenarioCommand& command);
    bool performSound(ScenarioCommand& command);
    bool performScriptSwitch(ScenarioCommand& command);
    void outputText(const std::string& text);
    // After cg, char, sprite and drawbuffer: show the stage at once or fade to it.
    void imageWaitTail(int delayMs);
    int delayArgument(const ScenarioCommand& command, int index) const;
    bool callScenario(const std::string& name);
    bool returnFromCall();
    bool endCommand();
    // The show script ended or was skipped: the suspended scenario runs again.
    bool resumeSuspendedScenario();
    void stopPluginAnimation();
    bool pickChoice(std::optional<PointerPosition> at);

    // Menu screens (menu_screen.cpp).
    bool buildMenu();
    bool menuClick(std::optional<PointerPosition> at);

    // Ticks (tick.cpp).
    bool tickTyping();
    bool tickFade();
    bool commonTail();
    bool advanceByState(std::optional<PointerPosition> at);
    bool advanceShowScript();
    // Continues a message that waited for its page click on a fresh page.
    void continueText();
    // The result of a message that was shown at once.
    void settleText(int result);
    // Shows or hides the text window where the state allows it.
    void flipWindow();
    void blinkCaret();
    // Asks the effect worker to stop and gives it the processor twice.
    void askWorkerToStop();

    Platform& platform_;
    // Declared in creation order; the shutdown destroys them in its own order.
    std::unique_ptr<GameConfig> config_;
    std::unique_ptr<ScenarioState> state_;
    std::unique_ptr<ScriptFactory> factory_;
    std::unique_ptr<ScriptFile> script_;
    std::unique_ptr<ScriptFile> suspended_;  // the scenario waiting while a show script runs
    std::unique_ptr<Screen> screen_;
    std::unique_ptr<SoundSystem> sound_;
    std::unique_ptr<ReadLog> readLog_;
    std::unique_ptr<EffectWorker> effectWorker_;  // draws threaded transitions on the screen's surfaces

    EngineState engineState_;
    bool skipAll_ = false;
    bool fastForward_ = false;
    bool run_ = true;
    DelayTimer delay_;
    WaitTimeTimer waitTime_;
    StepTimer step_;  // typing and stepped fades
    bool skipRead_ = false;
    bool lineRead_ = true;
    bool autoMode_ = false;
    bool pageWait_ = false;
    bool windowShown_ = true;
    bool shutDown_ = false;
};

}  // namespace morv
