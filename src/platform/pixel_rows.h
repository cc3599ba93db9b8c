#pragma once
#include <cstddef>
#include <cstdint>

#include "platform/pixel_format.h"

namespace morv {

// A rectangle of pixels; right and bottom are exclusive.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool operator==(const PixelRect&) const = default;
    bool empty() const { return right <= left || bottom <= top; }
    PixelRect intersect(const PixelRect& other) const;
};

// Direct access to locked pixel rows of a surface in the display format.
struct PixelRows {
    uint8_t* pixels = nullptr;
    int pitch = 0;  // bytes from one row to the next
    PixelFormat format = PixelFormat::Xrgb8888;
    int width = 0;
    int height = 0;

    uint8_t* row(int y) const { return pixels + static_cast<ptrdiff_t>(y) * pitch; }
    PixelRect bounds() const { return {0, 0, width, height}; }
};

inline PixelRect PixelRect::intersect(const PixelRect& other) const {
    PixelRect r{left > other.left ? left : other.left, top > other.top ? top : other.top,
                right < other.right ? right : other.right, bottom < other.bottom ? bottom : other.bottom};
    return r;
}

}  // namespace morv
