// The millisecond tick counter port.
#pragma once
#include <cstdint>

namespace morv {

// A moment of the local calendar, as a saved game records it.
struct LocalTime {
    int year = 0;
    int month = 0;    // 1 to 12
    int day = 0;      // 1 to 31
    int weekday = 0;  // 0 = Sunday to 6 = Saturday
    int hour = 0;
    int minute = 0;
};

// The local time of the machine's own calendar.
LocalTime systemLocalTime();

// The millisecond tick counter every timer of the engine compares against.
class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds since an arbitrary start; 32 bits, wraps around.
    virtual uint32_t ticks() = 0;
    virtual void sleep(uint32_t ms) = 0;
    // Gives the processor to other threads once (used while polling a worker's flag).
    virtual void yield() = 0;
    // The date and time of day where the player is.
    virtual LocalTime localTime() = 0;
};

}  // namespace morv
