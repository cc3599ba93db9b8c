// The millisecond tick counter port.
#pragma once
#include <cstdint>

namespace morv {

// The millisecond tick counter every timer of the engine compares against.
class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds since an arbitrary start; 32 bits, wraps around.
    virtual uint32_t ticks() = 0;
    virtual void sleep(uint32_t ms) = 0;
    // Gives the processor to other threads once (used while polling a worker's flag).
    virtual void yield() = 0;
};

}  // namespace morv
