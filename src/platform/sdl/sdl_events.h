// SDL input as window events.
#pragma once
#include <cstdint>

#include "platform/events.h"

union SDL_Event;

namespace morv {

class SdlDisplay;

// Turns SDL's input into window events. Each look at the queue first shows a
// frame that a worker thread presented meanwhile.
class SdlEvents : public EventSource {
public:
    explicit SdlEvents(SdlDisplay& display) : display_(display) {}
    // The SDL event type that carries the audio players' notifications in its code.
    void setMediaEventType(uint32_t type) { mediaEventType_ = type; }

protected:
    bool pollPlatform(WindowEvent& event) override;

private:
    // False for SDL events the engine has no use for (those handled here included).
    bool translate(const SDL_Event& sdl, WindowEvent& event);

    SdlDisplay& display_;
    uint32_t mediaEventType_ = 0;
};

}  // namespace morv
