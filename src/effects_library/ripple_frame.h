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

// One pixel of each format blended by weights summing to 256.
uint32_t blend32(uint32_t oldPixel, uint32_t newPixel, BlendWeights weights);
uint16_t blend16(uint16_t oldPixel, uint16_t newPixel, BlendWeights weights);

}  // namespace morv::ripple
