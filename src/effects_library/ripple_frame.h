// One frame of the ripple drawn on raw pixel rows.
#pragma once
#include <cstddef>
#include <cstdint>

#include "effects_library/ripple_settings.h"
#include "effects_library/ripple_tables.h"

namespace morv::ripple {

// Three pictures of one size and format: the frame drawn into, the old picture
// (scene) and the new one (stage).
struct RippleCanvas {
    uint8_t* frame = nullptr;
    const uint8_t* scene = nullptr;
    const uint8_t* stage = nullptr;
    int width = 0;
    int height = 0;
    ptrdiff_t pitch = 0;   // bytes from one row to the next, the same in all three
    bool sixteenBit = false;  // RGB565, else 0x00RRGGBB
};

// The disk around the centre: each pixel samples the old and the new picture at
// its displaced position and blends them; a sample outside the picture leaves the
// frame pixel as it was. Nothing outside the disk is touched.
void drawRippleFrame(const RippleCanvas& canvas, const RippleSettings& settings, const DisplacementTables& tables,
                     BlendWeights weights);

// a / b truncated toward zero for 0 < b and |a| < 2^52, given inverse = 1.0 / b:
// the floating product is off by less than one and is corrected by its
// remainder, so that the quotient is the integer division's without its cost.
[[gnu::always_inline]] inline int64_t dividedTowardZero(int64_t a, int64_t b, double inverse) {
    int64_t q = static_cast<int64_t>(static_cast<double>(a) * inverse);
    const int64_t r = a - q * b;
    if (a >= 0) {
        q += r < 0 ? -1 : (r >= b ? 1 : 0);
    } else {
        q += r > 0 ? 1 : (r <= -b ? -1 : 0);
    }
    return q;
}

// One pixel of each format blended by weights summing to 256.
inline uint32_t blend32(uint32_t o, uint32_t n, BlendWeights w) {
    const uint32_t wo = static_cast<uint32_t>(w.oldWeight);
    const uint32_t wn = static_cast<uint32_t>(w.newWeight);
    const uint32_t blue = ((o & 0xFF) * wo + (n & 0xFF) * wn) >> 8;
    const uint32_t green = (((o >> 8) & 0xFF) * wo + ((n >> 8) & 0xFF) * wn) >> 8;
    const uint32_t red = (((o >> 16) & 0xFF) * wo + ((n >> 16) & 0xFF) * wn) >> 8;
    return (red << 16) | (green << 8) | blue;
}

inline uint16_t blend16(uint16_t o, uint16_t n, BlendWeights w) {
    const uint32_t wo = static_cast<uint32_t>(w.oldWeight);
    const uint32_t wn = static_cast<uint32_t>(w.newWeight);
    const uint32_t blue = ((o & 0x1Fu) * wo + (n & 0x1Fu) * wn) >> 8;
    const uint32_t green = (((o >> 5) & 0x3Fu) * wo + ((n >> 5) & 0x3Fu) * wn) >> 8;
    const uint32_t red = (((o >> 11) & 0x1Fu) * wo + ((n >> 11) & 0x1Fu) * wn) >> 8;
    return static_cast<uint16_t>((red << 11) | (green << 5) | blue);
}

}  // namespace morv::ripple
