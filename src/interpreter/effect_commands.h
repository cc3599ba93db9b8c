// Transition commands and rectangle filters.
#pragma once
#include "script/scenario_command.h"

namespace morv {

class Clock;
class EffectWorker;
class EngineStatus;
class Screen;
class VariableTable;

struct EffectContext {
    Screen& screen;
    EngineStatus& status;
    VariableTable& variables;
    Clock& clock;
    EffectWorker& worker;  // runs threadcgeffect transitions
};

class EffectCommands {
public:
    explicit EffectCommands(const EffectContext& context) : c_(context) {}

    void perform(ScenarioCommand& command);
    // Asks the effect worker to stop and gives it the processor twice.
    void askWorkerToStop();

private:
    void substitute(ScenarioCommand& command, int first, int last);

    EffectContext c_;
};

}  // namespace morv
