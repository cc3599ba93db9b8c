// What an effect library draws with: the screen's picture surfaces, the clock, a present call and the effect flags.
#pragma once
#include <atomic>
#include <cstdint>
#include <functional>

#include "display/surface.h"
#include "platform/clock.h"

namespace morv {

// A view of surfaces owned by the Screen.
struct PluginCanvas {
    Surface& frame;    // where the library composes; the only surface presented
    Surface& scene;    // the picture on view: the old picture
    Surface& stage;    // the next picture
    Surface& scratch;  // the last image loaded at its own size; empty when none
    Clock& clock;
    std::function<void()> present;  // shows `frame`
    std::atomic<int32_t>& run;      // nonzero while the effect may go on
    std::atomic<int32_t>& busy;     // set while a worker's effect runs
};

}  // namespace morv
