// The main loop: events before ticks, pacing of an idle engine, the end and quitting.
#include "app/main_loop.h"

#include <gtest/gtest.h>

#include <deque>
#include <vector>

#include "platform/events.h"
#include "platform/headless/virtual_clock.h"

namespace morv {
namespace {

class QueuedEvents : public EventSource {
public:
    std::deque<WindowEvent> input;
    int waits = 0;
    void waitForEvent(uint32_t ms) override {
        EXPECT_EQ(ms, MainLoop::kIdleTurnMs);
        ++waits;
    }

protected:
    bool pollPlatform(WindowEvent& event) override {
        if (input.empty()) return false;
        event = input.front();
        input.pop_front();
        return true;
    }
};

// An engine whose ticks take a set time and that ends after a number of ticks.
class ScriptedEngine : public LoopEngine {
public:
    ScriptedEngine(VirtualClock& clock, std::vector<uint32_t> tickCosts, bool busy)
        : clock_(clock), costs_(std::move(tickCosts)), busy_(busy) {}
    bool Tick() override {
        starts.push_back(clock_.elapsed());
        if (count_ < costs_.size()) clock_.sleep(costs_[count_]);
        return ++count_ >= costs_.size();
    }
    bool busy() const override { return busy_; }
    bool waitsForInput() const override { return waiting; }
    std::vector<uint64_t> starts;
    bool waiting = false;

private:
    VirtualClock& clock_;
    std::vector<uint32_t> costs_;
    size_t count_ = 0;
    bool busy_;
};

struct LoopRun {
    VirtualClock clock;
    QueuedEvents events;
    std::vector<WindowEvent::Kind> dispatched;
    int ended = 0;
    bool quit = false;

    int run(LoopEngine& engine) {
        MainLoop loop(clock, events,
                      {[this](const WindowEvent& e) {
                           dispatched.push_back(e.kind);
                           if (e.kind == WindowEvent::Kind::CloseWindow) quit = true;
                       },
                       [this] { ++ended; }, [this] { return quit; }});
        return loop.run(engine);
    }
};

TEST(MainLoop, AnIdleEngineTicksAtMostEvery50Ms) {
    LoopRun run;
    ScriptedEngine engine(run.clock, {0, 0, 0, 0}, false);
    run.run(engine);
    ASSERT_EQ(engine.starts.size(), 4u);
    for (size_t i = 1; i < engine.starts.size(); ++i) {
        uint64_t gap = engine.starts[i] - engine.starts[i - 1];
        EXPECT_GE(gap, 50u);
        EXPECT_LE(gap, 53u);  // the virtual clock moves 1 ms per read
    }
}

TEST(MainLoop, ASlowTickIsFollowedByTheNextWithoutSleeping) {
    LoopRun run;
    ScriptedEngine engine(run.clock, {120, 0, 0}, false);
    run.run(engine);
    ASSERT_EQ(engine.starts.size(), 3u);
    // The first tick took 120 ms: more than a turn has passed, so no sleep.
    EXPECT_LE(engine.starts[1] - engine.starts[0], 124u);
    EXPECT_GE(engine.starts[2] - engine.starts[1], 50u);
}

TEST(MainLoop, ABusyEngineIsNeverPaced) {
    LoopRun run;
    ScriptedEngine engine(run.clock, {0, 0, 0, 0, 0}, true);
    run.run(engine);
    EXPECT_LE(engine.starts.back() - engine.starts.front(), 20u);
}

// A busy engine that only waits for the player lets the platform wait for input
// after each turn; one that works, or an idle one (paced by the clock), does not.
TEST(MainLoop, ABusyEngineWaitingForThePlayerLetsThePlatformWait) {
    for (bool busy : {true, false}) {
        for (bool waiting : {true, false}) {
            LoopRun run;
            ScriptedEngine engine(run.clock, {0, 0, 0}, busy);
            engine.waiting = waiting;
            run.run(engine);
            EXPECT_EQ(run.events.waits, busy && waiting ? 3 : 0) << busy << waiting;
        }
    }
}

TEST(MainLoop, EventsComeBeforeTicksAndTheEndClosesTheWindow) {
    LoopRun run;
    WindowEvent key;
    key.kind = WindowEvent::Kind::KeyDown;
    run.events.input = {key, key};
    ScriptedEngine engine(run.clock, {0}, false);
    EXPECT_EQ(run.run(engine), 0);
    EXPECT_EQ(run.ended, 1);
    ASSERT_EQ(run.dispatched.size(), 3u);
    EXPECT_EQ(run.dispatched[2], WindowEvent::Kind::CloseWindow);
    EXPECT_EQ(engine.starts.size(), 1u);
}

TEST(MainLoop, AQuitEventEndsTheLoopWithItsCode) {
    LoopRun run;
    WindowEvent quit;
    quit.kind = WindowEvent::Kind::Quit;
    quit.value = 7;
    run.events.input = {quit};
    ScriptedEngine engine(run.clock, {0, 0}, false);
    EXPECT_EQ(run.run(engine), 7);
    EXPECT_TRUE(engine.starts.empty());
}

}  // namespace
}  // namespace morv
