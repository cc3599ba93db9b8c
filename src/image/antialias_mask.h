// The anti-aliasing mask of a color-keyed picture.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace morv {

// The anti-aliasing mask of a color-keyed picture: one opacity per pixel (0 for
// key pixels, 255 inside, graded along the edges), width x height, top row first.
// `rows` is the picture's top row, `pitch` the bytes from one row to the next.
// The key is the top-left pixel: uint16_t pixels (RGB565) compare whole,
// uint32_t pixels (0x00RRGGBB) compare their low 24 bits.
template <typename Pixel>
std::vector<uint8_t> antialiasMask(const uint8_t* rows, size_t pitch, int width, int height);

extern template std::vector<uint8_t> antialiasMask<uint16_t>(const uint8_t*, size_t, int, int);
extern template std::vector<uint8_t> antialiasMask<uint32_t>(const uint8_t*, size_t, int, int);

}  // namespace morv
