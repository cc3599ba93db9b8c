// Plain values of a Flash movie: colors, matrices and color transforms.
#pragma once
#include <algorithm>
#include <cstdint>

namespace morv::swf {

struct Rgba {
    uint8_t r = 0;
    uint8_t g = 0;
    uint8_t b = 0;
    uint8_t a = 255;
    bool operator==(const Rgba&) const = default;
};

// Maps x, y to (a x + c y + tx, b x + d y + ty); translations are in twips.
struct Matrix {
    double a = 1, b = 0, c = 0, d = 1, tx = 0, ty = 0;
};

// Multiply terms are 8.8 fixed point (256 is 1.0); add terms are added after them.
struct ColorTransform {
    int32_t mult[4] = {256, 256, 256, 256};  // red, green, blue, alpha
    int32_t add[4] = {0, 0, 0, 0};

    bool identity() const {
        for (int i = 0; i < 4; ++i)
            if (mult[i] != 256 || add[i] != 0) return false;
        return true;
    }
    static uint8_t channel(int value, int32_t mult, int32_t add) {
        return static_cast<uint8_t>(std::clamp<int64_t>(int64_t{value} * mult / 256 + add, 0, 255));
    }
    Rgba apply(Rgba c) const {
        return {channel(c.r, mult[0], add[0]), channel(c.g, mult[1], add[1]), channel(c.b, mult[2], add[2]),
                channel(c.a, mult[3], add[3])};
    }
    // The transform that applies `inner` first, then `outer`. Terms are kept within
    // 16 bits so that deep nesting cannot overflow.
    static ColorTransform compose(const ColorTransform& outer, const ColorTransform& inner) {
        ColorTransform result;
        for (int i = 0; i < 4; ++i) {
            result.mult[i] = std::clamp<int64_t>(int64_t{outer.mult[i]} * inner.mult[i] / 256, -32768, 32767);
            result.add[i] =
                std::clamp<int64_t>(int64_t{outer.mult[i]} * inner.add[i] / 256 + outer.add[i], -32768, 32767);
        }
        return result;
    }
};

// A rectangle in twips (1/20 pixel).
struct TwipsRect {
    int32_t xMin = 0, xMax = 0, yMin = 0, yMax = 0;
};

}  // namespace morv::swf
