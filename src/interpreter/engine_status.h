// The interpreter's wait state, its flags and timers, shared by the command handlers.
#pragma once
#include <cstdint>

#include "interpreter/engine_state.h"
#include "interpreter/interpreter_timers.h"

namespace morv {

class Trace;

// Everything that holds the interpreter back or hurries it along: the state
// value, the run flag, the skip and auto modes, the timers and the text flags.
class EngineStatus {
public:
    explicit EngineStatus(Trace& trace) : trace_(trace) {}

    EngineState state() const { return state_; }
    int32_t value() const { return state_.value(); }
    // The one place where the state changes, so that every change is traced.
    void set(int32_t state);
    void raise(int32_t offset) { set(state_.value() + offset); }
    void lower(int32_t offset) { set(state_.value() - offset); }
    // Clears the plug-in animation bit when it is set.
    void clearPluginBit();

    // A new script is running: everything that waited or skipped starts afresh.
    void resetForNewScript(int32_t state);

    // True when the line being executed lets waits pass by themselves.
    bool skippingReadLine() const { return skipRead && lineRead; }
    bool skipping() const { return skipAll || skippingReadLine(); }
    // Typing shows whole texts.
    bool hurried() const { return skipping() || fastForward; }

    bool skipAll = false;
    bool fastForward = false;
    bool run = true;
    DelayTimer delay;
    WaitTimeTimer waitTime;
    StepTimer step;  // typing and stepped fades
    bool skipRead = false;
    bool lineRead = true;
    bool autoMode = false;
    bool pageWait = false;
    bool windowShown = true;

private:
    Trace& trace_;
    EngineState state_;
};

}  // namespace morv
