// The game window's title properties and its destruction from outside on X11.
#include "platform/sdl/x11_window.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <atomic>

namespace morv {
namespace {

// Xlib's error handler takes no context, so the watched window and what befell it
// live here; the handler may run on any thread that makes an X request.
std::atomic<unsigned long> watchedWindow{0};
std::atomic<bool> watchedWindowGone{false};
XErrorHandler previousHandler = nullptr;

int recordErrorsOnWatchedWindow(Display* display, XErrorEvent* error) {
    const unsigned long watched = watchedWindow.load();
    if (watched != 0 && error->resourceid == watched) {
        watchedWindowGone.store(true);
        return 0;
    }
    return previousHandler != nullptr ? previousHandler(display, error) : 0;
}

}  // namespace

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

void watchForOutsideDestruction(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (window == nullptr || !SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return;
    watchedWindow.store(info.info.x11.window);
    watchedWindowGone.store(false);
    XErrorHandler replaced = XSetErrorHandler(recordErrorsOnWatchedWindow);
    if (replaced != recordErrorsOnWatchedWindow) previousHandler = replaced;
    // The destroy notice comes as a window-system event.
    SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);
}

bool windowDestroyedFromOutside(const SDL_Event* event) {
    if (event != nullptr && event->type == SDL_SYSWMEVENT && event->syswm.msg != nullptr &&
        event->syswm.msg->subsystem == SDL_SYSWM_X11) {
        const XEvent& x = event->syswm.msg->msg.x11.event;
        if (x.type == DestroyNotify && x.xdestroywindow.window == watchedWindow.load()) watchedWindowGone.store(true);
    }
    return watchedWindowGone.load();
}

}  // namespace morv
