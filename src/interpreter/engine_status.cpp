// The interpreter's wait state and flags.
#include "interpreter/engine_status.h"

#include "platform/trace.h"

namespace morv {

void EngineStatus::set(int32_t state) {
    if (state != state_.value()) trace_.stateChange(state_.value(), state);
    state_ = EngineState(state);
}

void EngineStatus::clearPluginBit() {
    if (state_.pluginRunning()) set(state_.value() & ~EngineState::kPluginBit);
}

void EngineStatus::resetForNewScript(int32_t state) {
    set(state);
    skipAll = false;
    fastForward = false;
    run = true;
    pageWait = false;
    windowShown = true;
    delay.clear();
    waitTime.clear();
    skipRead = false;
    autoMode = false;
    lineRead = true;
}

}  // namespace morv
