// The real program's platform on SDL2.
#include "platform/sdl/sdl_platform.h"

#include <SDL.h>

#include <cstdio>

#include "platform/sdl/sdl_display.h"
#include "platform/sdl/sdl_events.h"
#include "platform/sdl/sdl_message_boxes.h"
#include "platform/sdl/sdl_window.h"

namespace morv {

SdlPlatform::SdlPlatform() {
    // A signal ends the program as usual; only the close box asks first.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "morv: cannot start SDL video: %s\n", SDL_GetError());
        return;
    }
    ready_ = true;
    window_ = std::make_unique<SdlWindow>();
    display_ = std::make_unique<SdlDisplay>(*window_);
    events_ = std::make_unique<SdlEvents>(*display_);
    messages_ = std::make_unique<SdlMessageBoxes>(*window_, *display_);
}

SdlPlatform::~SdlPlatform() {
    messages_.reset();
    events_.reset();
    display_.reset();
    window_.reset();
    if (ready_) SDL_QuitSubSystem(SDL_INIT_VIDEO);
    SDL_Quit();
}

MessageBoxes& SdlPlatform::messages() { return *messages_; }
EventSource& SdlPlatform::events() { return *events_; }
WindowSystem& SdlPlatform::window() { return *window_; }
DisplayDevice& SdlPlatform::display() { return *display_; }

}  // namespace morv
