// A picture of the window as 8-bit red, green, blue triples.
#pragma once
#include <cstdint>
#include <vector>

namespace morv {

// A presented frame as 8-bit red, green, blue triples, top row first.
struct FrameImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgb;

    static FrameImage filled(int width, int height, uint8_t r, uint8_t g, uint8_t b);
};

}  // namespace morv
