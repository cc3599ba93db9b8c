// Transition commands and rectangle filters.
#pragma once
#include <memory>
#include <string>

#include "script/scenario_command.h"

namespace morv {

class Clock;
class EffectWorker;
class ContinuousEffect;
class EngineStatus;
class FileResolver;
class MessageBoxes;
class Screen;
class VariableTable;
struct GameConfig;

struct EffectContext {
    const GameConfig& config;
    Screen& screen;
    EngineStatus& status;
    VariableTable& variables;
    Clock& clock;
    const FileResolver& files;
    MessageBoxes& messages;
    EffectWorker& worker;  // runs threadcgeffect transitions
};

class EffectCommands {
public:
    explicit EffectCommands(const EffectContext& context);
    ~EffectCommands();

    void perform(ScenarioCommand& command);
    // Asks the effect worker to stop and gives it the processor twice.
    void askWorkerToStop();

    // The continuous effect's turn at the start of each tick while its bit is set:
    // the library draws, the text window goes over it, the frame is shown.
    void tickContinuousEffect();
    // Ends the continuous effect and clears its bit of the state.
    void endContinuousEffect();
    // A loaded game's continuous effect: the running one ends, and a saved word
    // that is not empty starts its library again.
    void restoreContinuousEffect(const std::string& word, const std::string& parameter);
    // Its word and parameter are what a save keeps.
    const ContinuousEffect& continuousEffect() const { return *continuous_; }

private:
    void substitute(ScenarioCommand& command, int first, int last);
    // cgeffect2 with a library word; false (bit cleared again) when it did not start.
    bool startContinuousEffect(const std::string& word, const std::string& parameter);

    EffectContext c_;
    std::unique_ptr<ContinuousEffect> continuous_;
};

}  // namespace morv
