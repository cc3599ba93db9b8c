// The latest presented frame, handed between threads.
#pragma once
#include <atomic>
#include <cstdint>
#include <mutex>
#include <vector>

#include "platform/pixel_format.h"

namespace morv {

// A copy of one presented frame with tightly packed rows.
struct FrameCopy {
    int width = 0;
    int height = 0;
    PixelFormat format = PixelFormat::Xrgb8888;
    std::vector<uint8_t> pixels;

    int pitch() const { return width * bytesPerPixel(format); }
    bool empty() const { return width <= 0 || height <= 0; }
};

// Hands frames from the thread that presents them to the thread that shows
// them. Only the newest frame is kept: a frame not yet taken is replaced.
class FrameMailbox {
public:
    // Copies the frame; safe from any thread.
    void put(const void* pixels, int pitch, int width, int height, PixelFormat format);
    // Moves the newest frame into `frame` when one has arrived since the last
    // take; `frame`'s old storage is kept for the next put.
    bool take(FrameCopy& frame);
    bool hasNew() const { return fresh_.load(std::memory_order_acquire); }

private:
    std::mutex mutex_;
    FrameCopy latest_;
    std::atomic<bool> fresh_{false};
};

}  // namespace morv
