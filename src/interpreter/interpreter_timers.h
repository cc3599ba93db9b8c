// The timers of the interpreter: delays, wait times and the pace of typing and fades.
#pragma once
#include <cstdint>

namespace morv {

// Milliseconds from `start` to `now` on the wrapping millisecond counter.
inline uint32_t elapsedSince(uint32_t start, uint32_t now) { return now - start; }

// The delay timer: delays, auto-mode waits.
struct DelayTimer {
    uint32_t start = 0;
    uint32_t duration = 0;
    bool active = false;
    bool skippable = true;

    void begin(uint32_t now, uint32_t ms, bool canSkip) {
        start = now;
        duration = ms;
        active = true;
        skippable = canSkip;
    }
    void clear() { *this = DelayTimer{}; }
    bool expired(uint32_t now) const { return elapsedSince(start, now) >= duration; }
};

// The wait-time timer: timer marks its start, waittime arms it with a duration.
struct WaitTimeTimer {
    uint32_t start = 0;
    uint32_t duration = 0;
    bool active = false;

    void clear() { *this = WaitTimeTimer{}; }
    bool expired(uint32_t now) const { return elapsedSince(start, now) >= duration; }
};

// The pace of a typing message or a stepped fade: one step whenever more than the
// interval has passed since the last one. Intervals of 0 or less step on every tick.
struct StepTimer {
    uint32_t start = 0;
    int32_t interval = 0;

    void begin(uint32_t now, int32_t ms) {
        start = now;
        interval = ms;
    }
    // True (and restarted at now) when the next step is due.
    bool due(uint32_t now) {
        if (static_cast<int64_t>(elapsedSince(start, now)) <= interval) return false;
        start = now;
        return true;
    }
};

}  // namespace morv
