// Drawing pictures through their alpha plane at a given size.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "image/decoded_image.h"
#include "platform/pixel_format.h"

namespace morv {

// The alpha plane of a picture drawn at `percent` %, resampled by the nearest pixel
// to width x height: value(x, y) = plane(x x 100 / percent, y x 100 / percent).
// Positions past the plane (a surface of another size) take its last column or row.
// Top row first, width bytes per row; empty when the plane is.
std::vector<uint8_t> scaleAlphaPlane(const AlphaPlane& plane, int width, int height, int percent);

// Draws a width x height region of source pixels onto the target through an opacity
// mask: 255 copies the source pixel, 0 leaves the target, any other a blends each
// channel as (source x a >> 8) + (target x (255 - a) >> 8); a blended 32-bit pixel's
// spare byte is 0. Each pointer is the region's top-left byte; pitches step rows.
void blendWithMask(PixelFormat format, uint8_t* target, size_t targetPitch, const uint8_t* source,
                   size_t sourcePitch, const uint8_t* mask, size_t maskPitch, int width, int height);

}  // namespace morv
