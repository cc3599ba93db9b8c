// The main loop that paces the engine's ticks.
#pragma once
#include <cstdint>
#include <functional>

namespace morv {

class Clock;
class EventSource;
struct WindowEvent;

// What the main loop drives between window events.
class LoopEngine {
public:
    virtual ~LoopEngine() = default;
    // One turn; true when the game has ended and the window is to close.
    virtual bool Tick() = 0;
    // While set the loop does not pace itself.
    virtual bool busy() const = 0;
    // True while a busy engine only waits for the player: between its turns the
    // loop lets the platform wait for input instead of spinning.
    virtual bool waitsForInput() const { return false; }
};

// The single-threaded main loop: a waiting event is always handled first; with
// the queue empty the engine ticks; an idle engine gets one turn at most every
// 50 ms, a busy one as many as the queue allows.
class MainLoop {
public:
    static constexpr uint32_t kIdleTurnMs = 50;

    struct Hooks {
        std::function<void(const WindowEvent&)> dispatch;  // any event but Quit
        std::function<void()> gameEnded;                   // the tick reported the end
        std::function<bool()> quitting;                    // true once the window is gone
    };

    MainLoop(Clock& clock, EventSource& events, Hooks hooks);

    // Runs until quitting or a Quit event; returns the Quit event's exit code, or
    // 0 when the loop ended through quitting.
    int run(LoopEngine& engine);

private:
    Clock& clock_;
    EventSource& events_;
    Hooks hooks_;
};

}  // namespace morv
