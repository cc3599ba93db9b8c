// One crossfade frame between two pictures.
#pragma once
#include "display/surface.h"

namespace morv {

// One crossfade frame: every pixel of `out` becomes the old pixel weighted
// 32 - weight plus the new pixel weighted `weight` (0 to 32), channel by channel.
// 32 bits: both terms rounded down, spare byte 0. 16 bits: the old term rounded
// up, the new one down, so that weight 0 gives the old and 32 the new picture.
// All three share one pixel format; the smallest of their sizes is processed.
void crossfadeRows(const PixelRows& out, const PixelRows& oldRows, const PixelRows& newRows, int weight);

// The same on whole surfaces.
void crossfadeStep(Surface& out, Surface& oldSurface, Surface& newSurface, int weight);

}  // namespace morv
