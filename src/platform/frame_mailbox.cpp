// Handing presented frames from the engine to the display.
#include "platform/frame_mailbox.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace morv {

namespace {

bool sameShape(const FrameCopy& a, const FrameCopy& b) {
    return a.width == b.width && a.height == b.height && a.format == b.format;
}

void copyRows(FrameCopy& to, const FrameCopy& from, const RowSpan& rows) {
    const size_t rowBytes = static_cast<size_t>(from.pitch());
    std::memcpy(to.pixels.data() + rowBytes * static_cast<size_t>(rows.top),
                from.pixels.data() + rowBytes * static_cast<size_t>(rows.top),
                rowBytes * static_cast<size_t>(rows.bottom - rows.top));
}

}  // namespace

RowSpan RowSpan::united(const RowSpan& other) const {
    if (other.empty()) return *this;
    if (empty()) return other;
    return {std::min(top, other.top), std::max(bottom, other.bottom)};
}

void FrameMailbox::putRows(const void* pixels, int pitch, int width, int height, PixelFormat format, int top,
                           int bottom) {
    if (pixels == nullptr || width <= 0 || height <= 0) return;
    std::lock_guard lock(mutex_);
    RowSpan changed{std::max(top, 0), std::min(bottom, height)};
    // Against the newest frame's shape: after a take latest_ holds the taker's old storage.
    const bool reshaped = shapeWidth_ != width || shapeHeight_ != height || shapeFormat_ != format;
    if (reshaped) changed = {0, height};
    shapeWidth_ = width;
    shapeHeight_ = height;
    shapeFormat_ = format;
    RowSpan copied = latestCurrent_ && !reshaped ? changed : RowSpan{0, height};
    latest_.width = width;
    latest_.height = height;
    latest_.format = format;
    size_t rowBytes = static_cast<size_t>(latest_.pitch());
    latest_.pixels.resize(rowBytes * static_cast<size_t>(height));
    const auto* source = static_cast<const uint8_t*>(pixels);
    for (int y = copied.top; y < copied.bottom; ++y) {
        std::memcpy(latest_.pixels.data() + rowBytes * static_cast<size_t>(y),
                    source + static_cast<ptrdiff_t>(pitch) * y, rowBytes);
    }
    latestCurrent_ = true;
    changed_ = reshaped ? changed : changed_.united(changed);
    fresh_.store(true, std::memory_order_release);
}

RowSpan FrameMailbox::take(FrameCopy& frame) {
    std::lock_guard lock(mutex_);
    if (!fresh_.load(std::memory_order_relaxed)) return {};
    RowSpan changed = changed_;
    if (!sameShape(frame, latest_) || changed == RowSpan{0, latest_.height}) {
        // A whole new frame changes hands without a copy; the storage handed back
        // is refilled by the next put.
        std::swap(frame, latest_);
        latestCurrent_ = false;
        changed = {0, frame.height};
    } else if (changed) {
        copyRows(frame, latest_, changed);
    }
    changed_ = {};
    fresh_.store(false, std::memory_order_release);
    return changed;
}

}  // namespace morv
