// The running script and the scenario a show script suspended.
#include "interpreter/running_scripts.h"

#include "script/numeric_text.h"
#include "script/script_factory.h"
#include "script/script_file.h"

namespace morv {

RunningScripts::RunningScripts(ScriptFactory& factory) : factory_(factory) {}

RunningScripts::~RunningScripts() = default;

bool RunningScripts::open(const std::string& name, ScriptKind kind) {
    // The old script goes only after the new one was read, as one assignment.
    running_ = factory_.Open(name, kind);
    return running_ != nullptr;
}

bool RunningScripts::openFile(const std::string& target) { return open(target, ScriptKind::Scenario); }

bool RunningScripts::resolveTarget(const std::string& target) {
    if (!isNumericText(target)) return openFile(target);
    if (running_) running_->GoToLine(decimalValue(target));
    return true;
}

bool RunningScripts::resolveDigitLedTarget(const std::string& target) {
    if (target.empty() || target[0] < '0' || target[0] > '9') return openFile(target);
    if (running_) running_->GoToLine(decimalValue(target));
    return true;
}

bool RunningScripts::openShowScript(const std::string& name, ScriptKind kind) {
    suspended_ = std::move(running_);
    running_ = factory_.Open(name, kind);
    return running_ != nullptr;
}

void RunningScripts::resumeSuspended() { running_ = std::move(suspended_); }

void RunningScripts::dropSuspended() { suspended_.reset(); }

void RunningScripts::replaceScenario(std::unique_ptr<ScriptFile> scenario) {
    suspended_.reset();
    running_ = std::move(scenario);
}

void RunningScripts::clear() {
    suspended_.reset();
    running_.reset();
}

}  // namespace morv
