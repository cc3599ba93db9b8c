// Variables, flags and control flow: jumps, sub-scenario calls, delays and the end.
#include "config/game_config.h"
#include "display/screen.h"
#include "interpreter/scenario_runner.h"
#include "interpreter/scenario_state.h"
#include "platform/cp949.h"
#include "platform/platform.h"
#include "script/numeric_text.h"
#include "script/script_factory.h"
#include "sound/sound_system.h"

namespace morv {

namespace {

char firstByte(const std::string& text) { return text.empty() ? '\0' : text[0]; }

}  // namespace

bool ScenarioRunner::performFlow(ScenarioCommand& command) {
    auto& args = command.args;
    VariableTable& variables = state_->variables;
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
            return resolveTarget(holds ? args[3] : args[4]);
        }
        case CommandId::SetString:
            substitute(command, 1, 1);
            variables.AskValue(args[0], args[1]);
            return false;
        case CommandId::SaveComment:
            substitute(command, 0, 0);
            state_->saveComment = args[0];
            return false;
        case CommandId::SetFlag:
            state_->flags.Set(args[0]);
            return false;
        case CommandId::IfFlag: {
            substitute(command, 1, 2);
            const std::string& target = state_->flags.IsSet(args[0]) ? args[1] : args[2];
            return target.empty() ? false : resolveTarget(target);
        }
        case CommandId::Goto:
            substitute(command, 0, 0);
            script_->GoToLine(decimalValue(args[0]));
            return false;
        case CommandId::Delay: {
            substitute(command, 0, 1);
            const bool canSkip = !cp949::equalsIgnoreCase(args[1], "DISABLE_SKIP");
            delay_.begin(now(), static_cast<uint32_t>(std::max(0, decimalValue(args[0]))), canSkip);
            if (canSkip && skipping()) delay_.clear();
            return false;
        }
        case CommandId::LoadSnr:
            substitute(command, 0, 1);
            suspended_.reset();
            script_ = factory_->Open(args[0], ScriptKind::Scenario);
            if (!script_) return true;
            if (command.argCount >= 2) script_->GoToLine(decimalValue(args[1]));
            setEngineState(EngineState::kScenario);
            return false;
        case CommandId::FuncSnr:
            substitute(command, 0, 0);
            return callScenario(args[0]);
        case CommandId::Return:
            return returnFromCall();
        case CommandId::End:
            return endCommand();
        case CommandId::Timer:
            waitTime_.start = now();
            return false;
        case CommandId::WaitTime:
            substitute(command, 0, 0);
            waitTime_.duration = static_cast<uint32_t>(std::max(0, decimalValue(args[0])));
            waitTime_.active = true;
            return false;
        default:
            return false;
    }
}

bool ScenarioRunner::callScenario(const std::string& name) {
    // A refused push has been reported; the call still happens without a return point.
    state_->callStack.Push(script_->FileName(), script_->CurrentLine());
    suspended_.reset();
    script_ = factory_->Open(name, ScriptKind::Scenario);
    if (!script_) return true;
    setEngineState(EngineState::kScenario);
    return false;
}

bool ScenarioRunner::returnFromCall() {
    CallStack& calls = state_->callStack;
    const std::string caller = calls.TopName();
    if (caller.empty()) return false;
    suspended_.reset();
    script_ = factory_->Open(caller, ScriptKind::Scenario);
    if (!script_) return true;
    script_->GoToLine(calls.TopLine());
    calls.Pop();
    setEngineState(EngineState::kScenario);
    return false;
}

bool ScenarioRunner::endCommand() {
    if (engineState_.value() == EngineState::kShow) return resumeSuspendedScenario();
    deletePreviousChoiceSave();
    return true;
}

bool ScenarioRunner::resumeSuspendedScenario() {
    resetForNewScript(EngineState::kScenario);
    screen_->clearCharacterPositions();
    sound_->setFadeTime(SoundSystem::kDefaultFadeTimeMs);
    script_ = std::move(suspended_);
    return false;
}

}  // namespace morv
