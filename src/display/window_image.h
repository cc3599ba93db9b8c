// The generated text-window background.
#pragma once
#include <cstdint>
#include <vector>

#include "config/game_config.h"
#include "platform/pixel_format.h"

namespace morv {

// The generated text-window background: one or two colors with a gradation,
// in the display format. At 16 bits two horizontally adjacent pixels share one
// 32-bit word (the left pixel in the low half), so rows hold an even number of
// pixels.
class WindowImage {
public:
    enum Gradation { None = 0, Vertical = 1, Horizontal = 2, FromTopLeft = 3, FromBottomLeft = 4 };

    // Gradations outside 0 to 4 paint color 1 only.
    WindowImage(int width, int height, PixelFormat format, ConfigColor color1, ConfigColor color2, int gradation);

    int width() const { return width_; }
    int height() const { return height_; }
    PixelFormat format() const { return format_; }
    int pitch() const { return pitch_; }
    const uint8_t* row(int y) const { return pixels_.data() + static_cast<size_t>(y) * pitch_; }
    // The raw pixel value at (x, y).
    uint32_t pixel(int x, int y) const;

private:
    int width_;
    int height_;
    PixelFormat format_;
    int pitch_;
    std::vector<uint8_t> pixels_;
};

// Truncated integer square root.
uint32_t integerSquareRoot(uint64_t value);

}  // namespace morv
