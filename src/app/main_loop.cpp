// The main loop: window events first, engine ticks otherwise.
#include "app/main_loop.h"

#include "platform/clock.h"
#include "platform/events.h"

namespace morv {

MainLoop::MainLoop(Clock& clock, EventSource& events, Hooks hooks)
    : clock_(clock), events_(events), hooks_(std::move(hooks)) {}

int MainLoop::run(LoopEngine& engine) {
    uint32_t last = clock_.ticks();
    while (!hooks_.quitting()) {
        WindowEvent event;
        if (events_.poll(event)) {
            if (event.kind == WindowEvent::Kind::Quit) return event.value;
            hooks_.dispatch(event);
            continue;
        }
        if (engine.Tick()) {
            hooks_.gameEnded();
            WindowEvent close;
            close.kind = WindowEvent::Kind::CloseWindow;
            events_.post(close);
        }
        if (engine.busy()) {
            if (engine.waitsForInput()) events_.waitForEvent(kIdleTurnMs);
            continue;
        }
        uint32_t now = clock_.ticks();
        uint32_t elapsed = now - last;  // wraps correctly with the 32-bit counter
        uint32_t rest = elapsed < kIdleTurnMs ? kIdleTurnMs - elapsed : 0;
        if (rest > 0) clock_.sleep(rest);
        // The next turn is measured from the end of this one's sleep; measured from
        // before the sleep, every second idle turn would follow at once.
        last = now + rest;
    }
    return 0;
}

}  // namespace morv
