// Variables, flags and control flow: jumps, sub-scenario calls, delays and timers.
#include <algorithm>

#include "interpreter/command_arguments.h"
#include "interpreter/engine_status.h"
#include "interpreter/flow_commands.h"
#include "interpreter/running_scripts.h"
#include "interpreter/scenario_state.h"
#include "platform/clock.h"
#include "platform/cp949.h"
#include "script/numeric_text.h"
#include "script/script_file.h"

namespace morv {

namespace {

char firstByte(const std::string& text) { return text.empty() ? '\0' : text[0]; }

}  // namespace

void FlowCommands::substitute(ScenarioCommand& command, int first, int last) {
    substituteArguments(c_.state.variables, command, first, last);
}

bool FlowCommands::perform(ScenarioCommand& command) {
    auto& args = command.args;
    VariableTable& variables = c_.state.variables;
    EngineStatus& status = c_.status;
    switch (command.id) {
        case CommandId::Init:
            variables.Declare(args[0], args[1], command.argCount == 3);
            return false;
        case CommandId::Reset:
            variables.ResetAll();
            return false;
        case CommandId::Set:
            variables.Modify(args[0], args[1], firstByte(args[2]), command.argCount == 4);
            return false;
        case CommandId::If: {
            substitute(command, 3, 4);
            const bool holds = variables.Compare(args[0], firstByte(args[2]), args[1]);
            if (!holds && command.argCount == 4) return false;
            return !c_.scripts.resolveTarget(holds ? args[3] : args[4]);
        }
        case CommandId::SetString:
            substitute(command, 1, 1);
            variables.AskValue(args[0], args[1]);
            return false;
        case CommandId::SaveComment:
            substitute(command, 0, 0);
            c_.state.saveComment = args[0];
            return false;
        case CommandId::SetFlag:
            c_.state.flags.Set(args[0]);
            return false;
        case CommandId::IfFlag: {
            substitute(command, 1, 2);
            const std::string& target = c_.state.flags.IsSet(args[0]) ? args[1] : args[2];
            return target.empty() ? false : !c_.scripts.resolveTarget(target);
        }
        case CommandId::Goto:
            substitute(command, 0, 0);
            c_.scripts.running()->GoToLine(decimalValue(args[0]));
            return false;
        case CommandId::Delay: {
            substitute(command, 0, 1);
            const bool canSkip = !cp949::equalsIgnoreCase(args[1], "DISABLE_SKIP");
            status.delay.begin(c_.clock.ticks(), static_cast<uint32_t>(std::max(0, decimalValue(args[0]))), canSkip);
            if (canSkip && status.skipping()) status.delay.clear();
            return false;
        }
        case CommandId::LoadSnr:
            substitute(command, 0, 1);
            c_.scripts.dropSuspended();
            if (!c_.scripts.open(args[0], ScriptKind::Scenario)) return true;
            if (command.argCount >= 2) c_.scripts.running()->GoToLine(decimalValue(args[1]));
            status.set(EngineState::kScenario);
            return false;
        case CommandId::FuncSnr:
            substitute(command, 0, 0);
            return callScenario(args[0]);
        case CommandId::Return:
            return returnFromCall();
        case CommandId::Timer:
            status.waitTime.start = c_.clock.ticks();
            return false;
        case CommandId::WaitTime:
            substitute(command, 0, 0);
            status.waitTime.duration = static_cast<uint32_t>(std::max(0, decimalValue(args[0])));
            status.waitTime.active = true;
            return false;
        default:
            return false;
    }
}

bool FlowCommands::callScenario(const std::string& name) {
    // A refused push has been reported; the call still happens without a return point.
    const ScriptFile& caller = *c_.scripts.running();
    c_.state.callStack.Push(caller.FileName(), caller.CurrentLine());
    c_.scripts.dropSuspended();
    if (!c_.scripts.open(name, ScriptKind::Scenario)) return true;
    c_.status.set(EngineState::kScenario);
    return false;
}

bool FlowCommands::returnFromCall() {
    CallStack& calls = c_.state.callStack;
    const std::string caller = calls.TopName();
    if (caller.empty()) return false;
    c_.scripts.dropSuspended();
    if (!c_.scripts.open(caller, ScriptKind::Scenario)) return true;
    c_.scripts.running()->GoToLine(calls.TopLine());
    calls.Pop();
    c_.status.set(EngineState::kScenario);
    return false;
}

}  // namespace morv
