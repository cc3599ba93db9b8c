// The SDL millisecond clock.
#pragma once
#include <SDL.h>

#include <thread>

#include "platform/clock.h"

namespace morv {

// SDL's millisecond counter: 32 bits, wrapping after about 49 days.
class SdlClock : public Clock {
public:
    uint32_t ticks() override { return SDL_GetTicks(); }
    void sleep(uint32_t ms) override { SDL_Delay(ms); }
    void yield() override { std::this_thread::yield(); }
    LocalTime localTime() override { return systemLocalTime(); }
};

}  // namespace morv
