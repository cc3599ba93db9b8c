// The surfaces, clock, present call and flags a transition effect draws with.
#pragma once
// What a transition effect may touch: the screen's picture surfaces, the clock, a
// present call and the flags it shares with the thread that started it.
#include <atomic>
#include <cstdint>
#include <functional>

#include "display/surface.h"
#include "platform/clock.h"

namespace morv {

// A view of surfaces owned elsewhere (normally by the Screen); copies share them.
// A worker thread gets a canvas whose present hands the frame to the main thread.
struct EffectCanvas {
    Surface& frame;    // the frame effects draw and present
    Surface& scene;    // the scene on view: the old picture
    Surface& stage;    // the next scene: the new picture
    Surface& scratch;  // the scroll image
    Clock& clock;
    // Shows `frame`.
    std::function<void()> present;
    // 1 while a worker may go on; the main thread clears it to cancel.
    std::atomic<int32_t>& run;
    // 1 from the start of a threaded effect until its worker has made its final
    // copies; stored last with release, read with acquire.
    std::atomic<int32_t>& busy;
    // Set when the scene on view changed, so that the text window is composed again.
    std::atomic<bool>& sceneChanged;
    // Called by a worker before it draws anything; empty where the worker runs freely.
    std::function<void()> awaitTurn = {};

    int width() const { return frame.width(); }
    int height() const { return frame.height(); }
};

}  // namespace morv
