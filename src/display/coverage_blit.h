// Coverage-mask blending and rectangle fills on pixel rows.
#pragma once
#include <cstdint>

#include "display/pixel_color.h"
#include "display/rect.h"
#include "display/surface.h"

namespace morv {

// An 8-bit coverage mask (0 = untouched, 255 = full color), top row first.
struct CoverageMask {
    const uint8_t* values = nullptr;
    int pitch = 0;
    int width = 0;
    int height = 0;
};

// Blends `rgb` (0x00RRGGBB) into the target through the mask placed with its
// top-left corner at (x, y); only pixels inside `clip` and the target are written.
void blendCoverage(const PixelRows& target, const Rect& clip, int x, int y, const CoverageMask& mask,
                   uint32_t rgb);

// Sets every pixel of `rect` that lies inside `clip` and the target to `rgb`.
void fillRect(const PixelRows& target, const Rect& clip, const Rect& rect, uint32_t rgb);

}  // namespace morv
