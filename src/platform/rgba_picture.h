// A small picture with opacity, as window icons and pointer shapes take it.
#pragma once
#include <cstdint>
#include <vector>

namespace morv {

// Red, green, blue, alpha per pixel, top row first, no padding; a cursor's hot
// spot is the pixel that points.
struct RgbaPicture {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgba;
    int hotX = 0;
    int hotY = 0;
};

}  // namespace morv
