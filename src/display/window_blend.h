// The text-window background blended over the scene.
#pragma once
#include "display/rect.h"
#include "display/surface.h"
#include "display/window_image.h"

namespace morv {

// The share of the scene that shows through the window for TEXTWINDOWALPHA 0 to
// 4, in 32nds: 0, 4, 8, 16, 32.
int sceneShare(int alphaStep);

// Every pixel of `rect` (clipped to the target) becomes window x (32 - t) / 32 +
// scene x t / 32 per channel, each term rounded down, with the window pixel taken
// from the image at (x - left, y - top). At 16 bits two pixels are handled per
// 32-bit word.
void blendWindow(const PixelRows& target, const WindowImage& image, const Rect& rect, int alphaStep);

// The bevelled frame: six pixels around `rect`, each 3/8 of the pixel below plus a
// grey, light on the top and left, darker below and darkest on the right.
void drawBevelOutline(const PixelRows& target, const Rect& rect);

// A solid frame six pixels wide around `rect`.
void drawSimpleOutline(const PixelRows& target, const Rect& rect);

}  // namespace morv
