// The frame timer of one effect run.
#pragma once
#include <atomic>
#include <cstdint>

#include "platform/clock.h"

namespace morv {

// Times the frames of one effect from the moment its frame loop begins. Waiting
// is a busy poll of the tick counter: a frame is due once more milliseconds than
// its deadline have passed, and no frame is ever skipped.
class FrameClock {
public:
    // With a run flag, every poll first tests it, so that a worker's effect can be
    // cancelled between two frames; without one the wait always ends in the frame.
    FrameClock(Clock& clock, const std::atomic<int32_t>* runFlag);

    // True once the elapsed time exceeds `deadline`; false when the run flag was cleared.
    bool waitPast(uint64_t deadline);

private:
    Clock& clock_;
    const std::atomic<int32_t>* runFlag_;
    uint32_t start_;
};

}  // namespace morv
