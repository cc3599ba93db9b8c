// Timing the frames of one effect run.
#include "effects/frame_clock.h"

namespace morv {

FrameClock::FrameClock(Clock& clock, const std::atomic<bool>* runFlag)
    : clock_(clock), runFlag_(runFlag), start_(clock.ticks()) {}

bool FrameClock::waitPast(uint64_t deadline) {
    for (;;) {
        if (runFlag_ && !runFlag_->load(std::memory_order_acquire)) return false;
        const uint32_t elapsed = clock_.ticks() - start_;
        if (elapsed > deadline) return true;
    }
}

}  // namespace morv
