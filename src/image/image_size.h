// A picture's size in pixels.
#pragma once

namespace morv {

// A picture's width and height in pixels.
struct ImageSize {
    int width = 0;
    int height = 0;
};

}  // namespace morv
