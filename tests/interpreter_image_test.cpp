// Image commands and the wait that shows the new scene.
#include "interpreter/scenario_state.h"
#include "interpreter_support.h"

namespace morv::testing {
namespace {

using Images = InterpreterTest;

// Keeps the dialogue window off the top-left pixel that the tests look at.
const std::string kLowWindow = "TEXT_WINDOW_RECT = 0, 32, 60, 44\n";

bool frameIsWhite(const FrameImage& frame) {
    return frame.width > 0 && frame.rgb[0] == 255 && frame.rgb[1] == 255 && frame.rgb[2] == 255;
}

TEST_F(Images, CgWithADelayBelowThirtyTwoShowsAtOnce) {
    writeGame({{"scenario.txt", "cg WHITE 31\ndelay 100\nend\n"}}, kLowWindow);
    start();
    ASSERT_TRUE(tickUntil([this] { return runner_->delayTimer().active; }));
    EXPECT_FALSE(traced("state 0 -> 2"));
    runner_->Tick();
    EXPECT_TRUE(frameIsWhite(platform_->frame()));
}

TEST_F(Images, TheQuickFadeTakesEightStepsOfDelayByThirtyTwo) {
    writeGame({{"scenario.txt", "cg WHITE 320\nsetflag 지나감\nend\n"}}, kLowWindow);
    start();
    ASSERT_TRUE(tickUntil([this] { return state() == EngineState::kFading; }));
    // Ticks within the 10 ms interval draw no step.
    for (int i = 0; i < 3; ++i) runner_->Tick();
    for (int step = 1; step < 8; ++step) {
        sleep(11);
        runner_->Tick();
        EXPECT_EQ(state(), EngineState::kFading) << step;
    }
    sleep(11);
    runner_->Tick();
    EXPECT_EQ(state(), EngineState::kScenario);
    runner_->Tick();
    EXPECT_TRUE(frameIsWhite(platform_->frame()));
    EXPECT_EQ(lastExecuted(), "scenario.txt:2");
}

TEST_F(Images, AClickCompletesTheFadeAndFastForwardSkipsIt) {
    writeGame({{"scenario.txt", "cg WHITE 3200\ncg BLACK 3200\nend\n"}}, kLowWindow);
    start();
    ASSERT_TRUE(tickUntil([this] { return state() == EngineState::kFading; }));
    runner_->Advance();
    EXPECT_EQ(state(), EngineState::kScenario);
    runner_->Tick();
    EXPECT_TRUE(frameIsWhite(platform_->frame()));
    runner_->fastForward();
    ASSERT_TRUE(tickUntil([this] { return lastExecuted() == "scenario.txt:2"; }, 5));
    EXPECT_EQ(state(), EngineState::kScenario);
}

TEST_F(Images, CgMarksItsImageAsSeen) {
    writeGame({{"scenario.txt", "buffercg WHITE\nend\n"}});
    start();
    ASSERT_TRUE(playToEnd(10));
    EXPECT_TRUE(runner_->scenarioState()->flags.IsSet("white"));
}

TEST_F(Images, CgEffectRunsTheTransitionToItsEndBeforeTheNextCommand) {
    writeGame({{"scenario.txt", "cg BLACK 0\ncgeffect FADETO 320 WHITE\nsetflag after\nend\n"}}, kLowWindow);
    start();
    ASSERT_TRUE(tickUntil([this] { return lastExecuted() == "scenario.txt:2"; }));
    uint64_t finished = platform_->virtualClock().elapsed();
    // The fade held the interpreter for its whole duration and ended on the new picture.
    EXPECT_GE(finished, 320u);
    EXPECT_TRUE(frameIsWhite(platform_->frame()));
    EXPECT_FALSE(runner_->scenarioState()->flags.IsSet("after"));
    ASSERT_TRUE(playToEnd(10));
    EXPECT_TRUE(runner_->scenarioState()->flags.IsSet("after"));
}

TEST_F(Images, RectEffectFiltersTheSceneOnView) {
    writeGame({{"scenario.txt", "cg PURPLE 0\nrecteffect GRAY\ndelay 100\nend\n"}}, kLowWindow);
    start();
    ASSERT_TRUE(tickUntil([this] { return runner_->delayTimer().active; }));
    runner_->Tick();
    const FrameImage& frame = platform_->frame();
    ASSERT_GT(frame.width, 0);
    // Purple turned grey: the three channels are equal.
    EXPECT_EQ(frame.rgb[0], frame.rgb[1]);
    EXPECT_EQ(frame.rgb[1], frame.rgb[2]);
    EXPECT_GT(frame.rgb[0], 0);
}

}  // namespace
}  // namespace morv::testing
