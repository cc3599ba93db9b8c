// What the game window needs of X11 beyond SDL.
#pragma once
#include <string>

struct SDL_Window;

namespace morv {

// Writes the title as UTF-8 into both the old (WM_NAME) and the new (_NET_WM_NAME)
// title property, so that window managers reading either show it right. Does
// nothing on other window systems.
void setUtf8Title(SDL_Window* window, const std::string& titleUtf8);

}  // namespace morv
