#pragma once
// The one worker thread that draws a threaded effect while the main thread ticks.
#include <functional>
#include <optional>
#include <thread>

#include "display/effect_canvas.h"

namespace morv {

// Draws the frames of one effect on a canvas and leaves its final state there.
using FrameFunction = std::function<void(const EffectCanvas&)>;

class EffectWorker {
public:
    // Starts a thread running the function; throws std::system_error when none can be started.
    using ThreadStarter = std::function<std::thread(std::function<void()>)>;

    EffectWorker();
    explicit EffectWorker(ThreadStarter starter);
    // Cancels a running effect and waits for its final state.
    ~EffectWorker();
    EffectWorker(const EffectWorker&) = delete;
    EffectWorker& operator=(const EffectWorker&) = delete;

    // Runs `frames` over `canvas` on a new thread and returns at once; the caller
    // has set the canvas's busy and run flags, and the worker clears busy as its
    // very last step. When no thread can be started the frames run here, on
    // `fallback` (the main thread's canvas), so that nobody waits for a worker
    // that never came.
    void start(const EffectCanvas& canvas, const EffectCanvas& fallback, FrameFunction frames);
    // Cancels the running effect, waits until its final state is made and ends the thread.
    void stop();

private:
    void join();

    ThreadStarter starter_;
    std::thread thread_;
    // The canvas of the last worker, whose flags stop() uses.
    std::optional<EffectCanvas> canvas_;
};

}  // namespace morv
