// The two display pixel formats.
#pragma once

namespace morv {

// The two display depths: 16 bits RGB565 (red 15-11, green 10-5, blue 4-0) and
// 32 bits 0x00RRGGBB.
enum class PixelFormat { Rgb565, Xrgb8888 };

inline int bytesPerPixel(PixelFormat format) { return format == PixelFormat::Rgb565 ? 2 : 4; }

}  // namespace morv
