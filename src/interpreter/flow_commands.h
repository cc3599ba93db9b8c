// Variables, flags and control flow: jumps, sub-scenario calls, delays and timers.
#pragma once
#include "script/scenario_command.h"

namespace morv {

class Clock;
class EngineStatus;
class RunningScripts;
class ScenarioState;

struct FlowContext {
    EngineStatus& status;
    RunningScripts& scripts;
    ScenarioState& state;
    Clock& clock;
};

class FlowCommands {
public:
    explicit FlowCommands(const FlowContext& context) : c_(context) {}

    // True when the game ends (a target file that cannot be opened).
    bool perform(ScenarioCommand& command);

private:
    bool callScenario(const std::string& name);
    bool returnFromCall();
    void substitute(ScenarioCommand& command, int first, int last);

    FlowContext c_;
};

}  // namespace morv
