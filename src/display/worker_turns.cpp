// Turns taken by the effect worker and the main thread.
#include "display/worker_turns.h"

#include <chrono>

namespace morv {

namespace {

// The flags change without a notification, so waits look at them this often.
constexpr std::chrono::milliseconds kFlagPoll{1};

}  // namespace

void WorkerTurns::grant(const std::atomic<int32_t>& busy) {
    std::unique_lock lock(mutex_);
    workerTurn_ = true;
    changed_.notify_all();
    while (workerTurn_ && busy.load(std::memory_order_acquire) != 0) changed_.wait_for(lock, kFlagPoll);
    // A worker that finished during its turn leaves none behind for the next effect.
    workerTurn_ = false;
}

void WorkerTurns::await(const std::atomic<int32_t>& run) {
    std::unique_lock lock(mutex_);
    while (!workerTurn_ && run.load(std::memory_order_acquire) != 0) changed_.wait_for(lock, kFlagPoll);
}

void WorkerTurns::handBack() {
    std::lock_guard lock(mutex_);
    workerTurn_ = false;
    changed_.notify_all();
}

}  // namespace morv
