// The effect worker thread: starting, cancelling and joining it.
#include "effects/effect_worker.h"

#include <system_error>
#include <utility>

#include "effects/run_effect.h"

namespace morv {

namespace {

std::thread startThread(std::function<void()> body) { return std::thread(std::move(body)); }

}  // namespace

EffectWorker::EffectWorker() : EffectWorker(startThread) {}

EffectWorker::EffectWorker(ThreadStarter starter) : starter_(std::move(starter)) {}

EffectWorker::~EffectWorker() { stop(); }

void EffectWorker::start(const EffectCanvas& canvas, const EffectCanvas& fallback, FrameFunction frames) {
    // A previous worker has cleared its busy flag before a new effect started; it
    // only has to return.
    join();
    canvas_.emplace(canvas);
    auto body = [canvas, frames] {
        if (canvas.awaitTurn) canvas.awaitTurn();
        frames(canvas);
        canvas.busy.store(0, std::memory_order_release);
    };
    try {
        thread_ = starter_(body);
    } catch (const std::system_error&) {
        canvas_.reset();
        frames(fallback);
        fallback.busy.store(0, std::memory_order_release);
    }
}

void EffectWorker::stop() {
    if (canvas_) stopEffect(*canvas_);
    join();
    canvas_.reset();
}

void EffectWorker::join() {
    if (thread_.joinable()) thread_.join();
}

}  // namespace morv
