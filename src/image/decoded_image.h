// A decoded picture as a 24-bit bottom-up bitmap.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace morv {

// A decoded picture as a 24-bit device-independent bitmap: blue, green, red per
// pixel, rows stored bottom row first, each row padded with zeros to 4 bytes.
struct DecodedImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> pixels;

    static size_t rowBytesFor(int width) { return (static_cast<size_t>(width) * 24 + 31) / 32 * 4; }
    size_t rowBytes() const { return rowBytesFor(width); }
    // Row y counted from the top of the picture.
    const uint8_t* rowFromTop(int y) const { return pixels.data() + static_cast<size_t>(height - 1 - y) * rowBytes(); }
};

// One opacity per pixel (0 transparent, 255 opaque), top row first, no padding.
struct AlphaPlane {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> values;
};

}  // namespace morv
