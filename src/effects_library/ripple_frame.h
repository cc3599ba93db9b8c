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

// One pixel of each format blended by weights summing to 256. The channels are
// spaced so that no product reaches the next one: each is blended exactly as if
// alone. The byte above red is dropped.
inline uint32_t blend32(uint32_t o, uint32_t n, BlendWeights w) {
    const auto wo = static_cast<uint32_t>(w.oldWeight);
    const auto wn = static_cast<uint32_t>(w.newWeight);
    const uint32_t redBlue = (((o & 0xFF00FFu) * wo + (n & 0xFF00FFu) * wn) >> 8) & 0xFF00FFu;
    const uint32_t green = (((o & 0xFF00u) * wo + (n & 0xFF00u) * wn) >> 8) & 0xFF00u;
    return redBlue | green;
}

inline uint16_t blend16(uint16_t o, uint16_t n, BlendWeights w) {
    // Blue at bit 0, green at bit 16, red at bit 33.
    auto spread = [](uint64_t p) { return (p & 0x1Fu) | ((p & 0x7E0u) << 11) | ((p & 0xF800u) << 22); };
    const uint64_t sum =
        spread(o) * static_cast<uint64_t>(w.oldWeight) + spread(n) * static_cast<uint64_t>(w.newWeight);
    const auto blue = static_cast<uint32_t>((sum >> 8) & 0x1Fu);
    const auto green = static_cast<uint32_t>((sum >> 24) & 0x3Fu);
    const auto red = static_cast<uint32_t>((sum >> 41) & 0x1Fu);
    return static_cast<uint16_t>((red << 11) | (green << 5) | blue);
}

}  // namespace morv::ripple
