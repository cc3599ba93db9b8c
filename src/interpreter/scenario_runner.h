#pragma once
#include <memory>
#include <string>

namespace morv {

struct GameConfig;
class Platform;
class ReadLog;
class ScenarioState;
class Screen;
class ScriptFactory;
class ScriptFile;
class SoundSystem;

// The engine: owns every part of a running game and executes the scenario.
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
    // One turn of the engine; true when the game has ended and the program closes.
    bool tick();
    // While set, the main loop does not pace itself.
    bool busy() const { return busy_; }
    // True when the engine waits for the player and nothing runs by itself.
    bool idle() const;
    // Writes the settings, restores the display, drops the scripts and the read log;
    // the destructor then takes down sound, screen, scenario state and configuration.
    void shutdown();
    // Resets the engine in place and opens the first scenario again.
    void restart();

    int engineState() const { return engineState_; }
    const GameConfig* config() const { return config_.get(); }
    const ScriptFile* runningScript() const { return script_.get(); }

private:
    void setEngineState(int state);
    void enterInitialState();
    void deletePreviousChoiceSave();

    Platform& platform_;
    // Declared in creation order; the shutdown destroys them in its own order.
    std::unique_ptr<GameConfig> config_;
    std::unique_ptr<ScenarioState> state_;
    std::unique_ptr<ScriptFactory> factory_;
    std::unique_ptr<ScriptFile> script_;
    std::unique_ptr<ScriptFile> suspended_;
    std::unique_ptr<Screen> screen_;
    std::unique_ptr<SoundSystem> sound_;
    std::unique_ptr<ReadLog> readLog_;

    int engineState_ = 0;
    bool busy_ = true;
    bool skipRead_ = false;
    bool autoMode_ = false;
    bool shutDown_ = false;
};

}  // namespace morv
