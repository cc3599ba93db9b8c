// SDL input as window events.
#pragma once
#include <cstdint>

#include "platform/events.h"

union SDL_Event;

namespace morv {

class SdlDisplay;
class SdlWindow;

// Turns SDL's input into window events. Each look at the queue first shows a
// frame that a worker thread presented meanwhile. Pointer input on the menu bar
// and its open menu goes to the menus; their chosen items come out as menu commands.
class SdlEvents : public EventSource {
public:
    SdlEvents(SdlDisplay& display, SdlWindow& window) : display_(display), window_(window) {}
    // The SDL event type that carries the audio players' notifications in its code.
    void setMediaEventType(uint32_t type) { mediaEventType_ = type; }
    // Sleeps in SDL until input (or any other event) arrives, unless the menus want frames.
    void waitForEvent(uint32_t ms) override;

protected:
    bool pollPlatform(WindowEvent& event) override;

private:
    // False for SDL events the engine has no use for (those handled here included).
    bool translate(const SDL_Event& sdl, WindowEvent& event);
    // Pointer events on the menus stay with them; false when the engine gets the event.
    bool forMenus(const SDL_Event& sdl, WindowEvent& event);

    SdlDisplay& display_;
    SdlWindow& window_;
    uint32_t mediaEventType_ = 0;
    bool altAlone_ = false;  // Alt is down and no other key came since
    bool destroyReported_ = false;
};

}  // namespace morv
