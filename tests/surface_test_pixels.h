// Reading and writing raw surface pixels in tests.
#pragma once
#include <cstdint>
#include <cstring>

#include "display/surface.h"

namespace morv::test {

// The raw pixel value at (x, y).
inline uint32_t pixelAt(const Surface& surface, int x, int y) {
    if (surface.format() == PixelFormat::Rgb565) {
        uint16_t p;
        std::memcpy(&p, surface.row(y) + 2 * x, 2);
        return p;
    }
    uint32_t p;
    std::memcpy(&p, surface.row(y) + 4 * x, 4);
    return p;
}

inline void setPixel(Surface& surface, int x, int y, uint32_t raw) {
    if (surface.format() == PixelFormat::Rgb565) {
        uint16_t p = static_cast<uint16_t>(raw);
        std::memcpy(surface.row(y) + 2 * x, &p, 2);
    } else {
        std::memcpy(surface.row(y) + 4 * x, &raw, 4);
    }
}

// Fills each pixel with a value unique to its position (fits 16 bits for small surfaces).
inline void paintPositions(Surface& surface) {
    for (int y = 0; y < surface.height(); ++y)
        for (int x = 0; x < surface.width(); ++x) setPixel(surface, x, y, static_cast<uint32_t>(y * 100 + x + 1));
}

}  // namespace morv::test
