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

// Rows from top to bottom (exclusive) of a frame.
struct RowSpan {
    int top = 0;
    int bottom = 0;

    bool empty() const { return bottom <= top; }
    explicit operator bool() const { return !empty(); }
    RowSpan united(const RowSpan& other) const;
    bool operator==(const RowSpan&) const = default;
};

// Hands frames from the thread that presents them to the thread that shows
// them. Only the newest frame is kept: a frame not yet taken is replaced, and
// the rows it changed are added to those the taker is told about.
class FrameMailbox {
public:
    // Copies the frame; safe from any thread.
    void put(const void* pixels, int pitch, int width, int height, PixelFormat format) {
        putRows(pixels, pitch, width, height, format, 0, height);
    }
    // The whole frame is at `pixels`, but only rows top to bottom changed since the
    // frame put before; only those are copied when the mailbox's own copy is current.
    void putRows(const void* pixels, int pitch, int width, int height, PixelFormat format, int top, int bottom);
    // Brings `frame` up to the newest frame when one has arrived since the last
    // take and returns the rows that changed since then (empty when none arrived).
    // `frame` must be the one given to the previous take: rows that did not change
    // are taken from it as they are.
    RowSpan take(FrameCopy& frame);
    bool hasNew() const { return fresh_.load(std::memory_order_acquire); }

private:
    std::mutex mutex_;
    FrameCopy latest_;
    bool latestCurrent_ = false;  // latest_ holds the newest frame (not storage handed back by a take)
    RowSpan changed_;             // rows changed since the last take
    int shapeWidth_ = 0;          // the newest frame's shape
    int shapeHeight_ = 0;
    PixelFormat shapeFormat_ = PixelFormat::Xrgb8888;
    std::atomic<bool> fresh_{false};
};

}  // namespace morv
