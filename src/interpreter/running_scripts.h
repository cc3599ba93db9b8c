// The running script and the scenario a show script suspended.
#pragma once
#include <memory>
#include <string>

#include "script/script_kind.h"

namespace morv {

class ScriptFactory;
class ScriptFile;

// Holds the script being executed and, while a show script runs, the scenario
// waiting for it. Opening a script replaces the running one.
class RunningScripts {
public:
    explicit RunningScripts(ScriptFactory& factory);
    ~RunningScripts();

    ScriptFile* running() { return running_.get(); }
    const ScriptFile* running() const { return running_.get(); }
    // The story's scenario: the suspended one while a show script runs.
    const ScriptFile* scenario() const { return suspended_ ? suspended_.get() : running_.get(); }
    // A loaded game's scenario replaces the running script and any suspended one.
    void replaceScenario(std::unique_ptr<ScriptFile> scenario);
    // Opens a script in place of the running one; false when it cannot be opened,
    // which leaves no running script.
    bool open(const std::string& name, ScriptKind kind);
    // A numeric target is a line of the running script, anything else a scenario
    // file that replaces it. False when the file cannot be opened.
    bool resolveTarget(const std::string& target);
    // As resolveTarget, but only a target led by a decimal digit is a line ("-5" is a file).
    bool resolveDigitLedTarget(const std::string& target);
    // The running scenario waits while the show script runs in its place.
    bool openShowScript(const std::string& name, ScriptKind kind);
    // The show script ended: the suspended scenario runs again.
    void resumeSuspended();
    void dropSuspended();
    void clear();

private:
    bool openFile(const std::string& target);

    ScriptFactory& factory_;
    std::unique_ptr<ScriptFile> running_;
    std::unique_ptr<ScriptFile> suspended_;
};

}  // namespace morv
