// The game window's title properties on X11.
#include "platform/sdl/x11_window.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace morv {

void setUtf8Title(SDL_Window* window, const std::string& titleUtf8) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (window == nullptr || !SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return;
    Display* display = info.info.x11.display;
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    const auto* bytes = reinterpret_cast<const unsigned char*>(titleUtf8.data());
    const int length = static_cast<int>(titleUtf8.size());
    for (Atom property : {XA_WM_NAME, XInternAtom(display, "_NET_WM_NAME", False)}) {
        XChangeProperty(display, info.info.x11.window, property, utf8, 8, PropModeReplace, bytes, length);
    }
    XFlush(display);
}

}  // namespace morv
