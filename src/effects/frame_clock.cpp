// Timing the frames of one effect run.
#include "effects/frame_clock.h"

namespace morv {

FrameClock::FrameClock(Clock& clock, const std::atomic<int32_t>* runFlag)
    : clock_(clock), runFlag_(runFlag), start_(clock.ticks()) {}

bool FrameClock::waitPast(uint64_t deadline) {
    for (;;) {
        if (runFlag_ && runFlag_->load(std::memory_order_acquire) == 0) return false;
        const uint32_t elapsed = clock_.ticks() - start_;
        if (elapsed > deadline) return true;
    }
}

}  // namespace morv
