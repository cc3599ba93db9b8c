// PNG and BMP files made in memory for tests.
#pragma once
#include <png.h>

#include <cstdint>
#include <string>
#include <vector>

#include "image/decoded_image.h"

namespace morv::testing {

// A PNG file in memory written by libpng: `rows` holds the packed rows top first,
// exactly as libpng takes them for the color type and bit depth.
struct PngPicture {
    int width = 1;
    int height = 1;
    int colorType = PNG_COLOR_TYPE_RGB;
    int bitDepth = 8;
    bool interlaced = false;
    std::vector<png_color> palette;
    std::vector<std::vector<uint8_t>> rows;
};
std::string writePng(const PngPicture& picture);

// Blue, green, red of pixel (x, y), y counted from the top.
struct Bgr {
    uint8_t blue = 0, green = 0, red = 0;
    bool operator==(const Bgr&) const = default;
};
Bgr pixelAt(const DecodedImage& image, int x, int y);

// Every pixel from the top row on, left to right.
std::vector<Bgr> allPixels(const DecodedImage& image);

// How many pixels of two pictures of the same size differ in some channel by more than `tolerance`.
int pixelsDifferingBeyond(const DecodedImage& expected, const DecodedImage& actual, int tolerance);

void putU16(std::string& out, uint32_t value);
void putU32(std::string& out, uint32_t value);

}  // namespace morv::testing
