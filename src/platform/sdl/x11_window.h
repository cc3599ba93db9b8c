// What the game window needs of X11 beyond SDL.
#pragma once
#include <string>

struct SDL_Window;
union SDL_Event;

namespace morv {

// Writes the title as UTF-8 into both the old (WM_NAME) and the new (_NET_WM_NAME)
// title property, so that window managers reading either show it right. Does
// nothing on other window systems.
void setUtf8Title(SDL_Window* window, const std::string& titleUtf8);

// Watches for the window being destroyed by another X client. Xlib reports each
// later request on a vanished window as a protocol error, which by default ends
// the program with status 1; errors naming the watched window are recorded
// instead, and other errors keep their default handling. Does nothing on other
// window systems.
void watchForOutsideDestruction(SDL_Window* window);
// True once the watched window was destroyed from outside: a destroy notice for it
// came (`event` is SDL's window-system event, when enabled) or a request on it failed.
bool windowDestroyedFromOutside(const SDL_Event* event = nullptr);

}  // namespace morv
