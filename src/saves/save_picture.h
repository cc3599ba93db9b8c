// The screen picture of a saved game, always 16 bits a pixel, and the display's pixels.
#pragma once
#include <cstdint>
#include <vector>

#include "platform/pixel_format.h"

namespace morv {

// The display's pixels (rows directly after each other) as the picture a save
// keeps: 32-bit pixels lose their low bits, 16-bit ones are kept as they are.
std::vector<uint16_t> savedPicture(const std::vector<uint8_t>& pixels, PixelFormat format);
// A save's picture as pixels of the display's format.
std::vector<uint8_t> displayPixels(const std::vector<uint16_t>& picture, PixelFormat format);

}  // namespace morv
