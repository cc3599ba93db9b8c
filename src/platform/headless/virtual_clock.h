// The headless platform's clock that moves only when read or slept on.
#pragma once
#include <cstdint>

#include "platform/clock.h"

namespace morv {

// A clock that only moves when it is read or slept on: every read of the tick
// counter advances it by 1 ms and sleep(n) by n ms, so busy waits always end.
class VirtualClock : public Clock {
public:
    uint32_t ticks() override { return static_cast<uint32_t>(elapsed_++); }
    void sleep(uint32_t ms) override { elapsed_ += ms; }
    void yield() override { ++elapsed_; }

    // Virtual milliseconds since the start, without advancing.
    uint64_t elapsed() const { return elapsed_; }

private:
    uint64_t elapsed_ = 0;
};

}  // namespace morv
