// A position of the pointer in the game's frame pixels.
#pragma once

namespace morv {

struct PointerPosition {
    int x = 0;
    int y = 0;
};

}  // namespace morv
