#pragma once
#include <cstdint>

#include "platform/pixel_rows.h"

namespace morv {

// An 8-bit coverage mask (0 = untouched, 255 = full colour), top row first.
struct CoverageMask {
    const uint8_t* values = nullptr;
    int pitch = 0;
    int width = 0;
    int height = 0;
};

// Blends `rgb` (0x00RRGGBB) into the target through the mask placed with its
// top-left corner at (x, y); only pixels inside `clip` and the target are written.
void blendCoverage(const PixelRows& target, const PixelRect& clip, int x, int y, const CoverageMask& mask,
                   uint32_t rgb);

// Sets every pixel of `rect` that lies inside `clip` and the target to `rgb`.
void fillRect(const PixelRows& target, const PixelRect& clip, const PixelRect& rect, uint32_t rgb);

// Converts a configuration colour (red in bits 0-7) to 0x00RRGGBB.
constexpr uint32_t configToRgb(uint32_t config) {
    return (config & 0xFF) << 16 | (config & 0xFF00) | (config >> 16 & 0xFF);
}

}  // namespace morv
