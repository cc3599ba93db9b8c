// Handing presented frames from the engine to the display.
#include "platform/frame_mailbox.h"

#include <cstring>
#include <utility>

namespace morv {

void FrameMailbox::put(const void* pixels, int pitch, int width, int height, PixelFormat format) {
    if (pixels == nullptr || width <= 0 || height <= 0) return;
    std::lock_guard lock(mutex_);
    latest_.width = width;
    latest_.height = height;
    latest_.format = format;
    size_t rowBytes = static_cast<size_t>(latest_.pitch());
    latest_.pixels.resize(rowBytes * static_cast<size_t>(height));
    const auto* source = static_cast<const uint8_t*>(pixels);
    for (int y = 0; y < height; ++y) {
        std::memcpy(latest_.pixels.data() + rowBytes * static_cast<size_t>(y),
                    source + static_cast<ptrdiff_t>(pitch) * y, rowBytes);
    }
    fresh_.store(true, std::memory_order_release);
}

bool FrameMailbox::take(FrameCopy& frame) {
    std::lock_guard lock(mutex_);
    if (!fresh_.load(std::memory_order_relaxed)) return false;
    std::swap(frame, latest_);
    fresh_.store(false, std::memory_order_release);
    return true;
}

}  // namespace morv
