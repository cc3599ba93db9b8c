// Where the game window first appears.
#pragma once

namespace morv {

struct WindowPoint {
    int x = 0;
    int y = 0;
};

// Where the game window first appears: its 640 x 480 client area a little
// above the middle of the screen.
WindowPoint initialWindowPosition(int screenWidth, int screenHeight);

// Moves a window whose frame's top-left corner lies left of or above the usable
// desktop area onto that area's edge. `client` is the client area's top-left,
// `frameTop` the height of the title bar above it.
WindowPoint keepOnWorkArea(WindowPoint client, int frameTop, int areaX, int areaY);

}  // namespace morv
