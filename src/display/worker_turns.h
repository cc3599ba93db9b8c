// Turns taken by the effect worker and the main thread where frames are shown by the main thread.
#pragma once
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>

namespace morv {

// Where the display takes frames on the main thread only (headless runs), the
// worker draws one frame per turn that the main thread grants and waits while the
// main thread shows it. The two never read the clock at the same time, so a run
// on the virtual clock shows the same frames at the same moments every time.
class WorkerTurns {
public:
    // Main thread: lets the worker draw up to its next frame and waits until it
    // has handed the turn back or finished (busy reads 0).
    void grant(const std::atomic<int32_t>& busy);
    // Worker: waits for a turn; returns at once when run reads 0, so a cancelled
    // worker always reaches its final state.
    void await(const std::atomic<int32_t>& run);
    // Worker: hands the turn back after presenting a frame.
    void handBack();

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    bool workerTurn_ = false;
};

}  // namespace morv
