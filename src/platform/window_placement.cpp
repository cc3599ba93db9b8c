// Placing the game window on the desktop.
#include "platform/window_placement.h"

namespace morv {

WindowPoint initialWindowPosition(int screenWidth, int screenHeight) {
    return WindowPoint{screenWidth / 2 - 320, screenHeight / 2 - 290};
}

WindowPoint keepOnWorkArea(WindowPoint client, int frameTop, int areaX, int areaY) {
    if (client.x < areaX) client.x = areaX;
    if (client.y - frameTop < areaY) client.y = areaY + frameTop;
    return client;
}

}  // namespace morv
