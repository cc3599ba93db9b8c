// The headless platform's clock that moves only when read or slept on.
#pragma once
#include <atomic>
#include <cstdint>

#include "platform/clock.h"

namespace morv {

// A clock that only moves when it is read or slept on: every read of the tick
// counter advances it by 1 ms and sleep(n) by n ms, so busy waits always end.
// An effect worker reads it while the main thread ticks, so it is atomic. Its
// calendar stands still at a fixed moment, so that saved games are reproducible.
class VirtualClock : public Clock {
public:
    uint32_t ticks() override { return static_cast<uint32_t>(elapsed_.fetch_add(1, std::memory_order_relaxed)); }
    void sleep(uint32_t ms) override { elapsed_.fetch_add(ms, std::memory_order_relaxed); }
    void yield() override { elapsed_.fetch_add(1, std::memory_order_relaxed); }
    LocalTime localTime() override { return localTime_; }
    void setLocalTime(const LocalTime& time) { localTime_ = time; }

    // Virtual milliseconds since the start, without advancing.
    uint64_t elapsed() const { return elapsed_.load(std::memory_order_relaxed); }

private:
    std::atomic<uint64_t> elapsed_{0};
    LocalTime localTime_{2026, 12, 8, 2, 15, 30};  // a Tuesday afternoon
};

}  // namespace morv
