// What the tick and the player's advance do in each wait state.
#include "interpreter_support.h"

namespace morv::testing {
namespace {

using Tick = InterpreterTest;

constexpr const char* kLongText =
    "가나다라마바사아자차카타파하가나다라마바사아자차카타파하가나다라마바사아자차카타파하가나다라마바사아자차카타파하"
    "가나다라마바사아자차카타파하가나다라마바사아자차카타파하가나다라마바사아자차카타파하가나다라마바사아자차카타파하";

TEST_F(Tick, SpeedTenTypesOneCharacterOnEveryTick) {
    writeGame({{"scenario.txt", "text 가나다라마\nend\n"}});
    start();
    ASSERT_TRUE(tickUntil([this] { return state() == EngineState::kTyping; }));
    // The first character came with the text; four ticks type the other four and
    // the fifth finds the message complete.
    for (int i = 0; i < 4; ++i) {
        runner_->Tick();
        EXPECT_EQ(state(), EngineState::kTyping) << i;
    }
    runner_->Tick();
    EXPECT_EQ(state(), EngineState::kScenario);
}

TEST_F(Tick, SpeedNineTypesOneCharacterPerTenMilliseconds) {
    writeGame({{"scenario.txt", "text 가나다\nend\n"}}, "TEXT_SPEED = 9\n");
    start();
    ASSERT_TRUE(tickUntil([this] { return state() == EngineState::kTyping; }));
    // Ticks closer together than the interval type nothing.
    for (int i = 0; i < 3; ++i) runner_->Tick();
    for (int step = 0; step < 2; ++step) {
        sleep(11);
        runner_->Tick();
        EXPECT_EQ(state(), EngineState::kTyping);
    }
    sleep(11);
    runner_->Tick();
    EXPECT_EQ(state(), EngineState::kScenario);
}

TEST_F(Tick, AFullPageWaitsForAClickAndThenGoesOnTyping) {
    writeGame({{"scenario.txt", std::string("text ") + kLongText + "\nend\n"}});
    start();
    ASSERT_TRUE(tickUntilIdle());
    EXPECT_EQ(state(), EngineState::kTyping);
    EXPECT_TRUE(runner_->pageWait());
    // The page waits however long nobody clicks.
    sleep(5000);
    runner_->Tick();
    EXPECT_TRUE(runner_->pageWait());

    runner_->Advance();
    EXPECT_FALSE(runner_->pageWait());
    EXPECT_EQ(state(), EngineState::kTyping);
    // A click while typing shows the rest of the page at once.
    runner_->Advance();
    EXPECT_TRUE(runner_->pageWait());
    // Clicking page after page reaches the end of the message and then its wait.
    ASSERT_TRUE(tickUntil(
        [this] {
            if (runner_->pageWait()) runner_->Advance();
            return state() == EngineState::kScenario && runner_->idle();
        },
        200));
    EXPECT_EQ(lastExecuted(), "scenario.txt:1");
}

TEST_F(Tick, AClickEndsASkippableDelayAndRunsTheNextCommandAtOnce) {
    writeGame({{"scenario.txt", "delay 500\ntext 가\nend\n"}});
    start();
    ASSERT_TRUE(tickUntil([this] { return runner_->delayTimer().active; }));
    runner_->Tick();
    EXPECT_EQ(lastExecuted(), "scenario.txt:1");
    runner_->Advance();
    EXPECT_FALSE(runner_->delayTimer().active);
    EXPECT_EQ(lastExecuted(), "scenario.txt:2");
}

TEST_F(Tick, ANonSkippableDelayIgnoresClicksAndFastForwardAndRunsOut) {
    writeGame({{"scenario.txt", "delay 500 DISABLE_SKIP\ntext 가\nend\n"}});
    start();
    ASSERT_TRUE(tickUntil([this] { return runner_->delayTimer().active; }));
    const uint64_t started = now();
    EXPECT_FALSE(runner_->Advance());
    runner_->fastForward();
    runner_->Tick();
    EXPECT_TRUE(runner_->delayTimer().active);
    EXPECT_EQ(lastExecuted(), "scenario.txt:1");
    ASSERT_TRUE(tickUntil([this] { return lastExecuted() == "scenario.txt:2"; }, 1000));
    EXPECT_GE(now() - started, 500u);
}

TEST_F(Tick, AutoModeWaitsTwoThousandLessTwoHundredPerSpeedStep) {
    writeGame({{"scenario.txt", "text 가\ntext 나\nend\n"}});
    start();
    runner_->config()->autoSpeed = 7;
    runner_->setAuto(true);
    ASSERT_TRUE(tickUntil([this] { return lastExecuted() == "scenario.txt:1" && runner_->delayTimer().active; }));
    const uint64_t waitStarted = now();
    EXPECT_FALSE(runner_->idle());
    ASSERT_TRUE(tickUntil([this] { return lastExecuted() == "scenario.txt:2"; }, 2000));
    EXPECT_GE(now() - waitStarted, 600u);
    EXPECT_LT(now() - waitStarted, 620u);
    // A click switches auto play off.
    runner_->Advance();
    EXPECT_FALSE(runner_->autoMode());
}

TEST_F(Tick, AutoModeTurnsAFullPageAfterTheAutoWait) {
    writeGame({{"scenario.txt", std::string("text ") + kLongText + "\nend\n"}});
    start();
    runner_->config()->autoSpeed = 10;  // no wait at all
    runner_->setAuto(true);
    ASSERT_TRUE(tickUntil([this] { return runner_->pageWait(); }));
    ASSERT_TRUE(tickUntil([this] { return !runner_->pageWait(); }, 5));
    EXPECT_EQ(state(), EngineState::kTyping);
}

TEST_F(Tick, SkipReadPassesReadLinesAndStopsAtTheFirstUnreadOne) {
    writeGame({{"scenario.txt", "text 가\ntext 나\ntext 다\ntext 라\nend\n"}});
    start();
    // Read the first three lines.
    ASSERT_TRUE(tickUntil(
        [this] {
            if (runner_->idle()) runner_->Advance();
            return lastExecuted() == "scenario.txt:3";
        },
        500));
    runner_->restart();
    runner_->setSkipRead(true);
    ASSERT_TRUE(tickUntilIdle());
    EXPECT_EQ(lastExecuted(), "scenario.txt:4");
    EXPECT_EQ(state(), EngineState::kScenario);
    EXPECT_FALSE(runner_->busy());
}

TEST_F(Tick, SkippingAFullPageOfReadTextKeepsSkipReadOn) {
    writeGame({{"scenario.txt", std::string("text ") + kLongText + "\ntext 나\ntext 다\nend\n"}});
    start();
    ASSERT_TRUE(tickUntil(
        [this] {
            if (runner_->idle()) runner_->Advance();
            return lastExecuted() == "scenario.txt:3";
        },
        500));
    runner_->restart();
    runner_->setSkipRead(true);
    ASSERT_TRUE(tickUntil([this] { return lastExecuted() == "scenario.txt:2"; }, 200));
    EXPECT_TRUE(runner_->skipRead());
}

TEST_F(Tick, FastForwardCompletesTextAndPassesEveryWaitUntilReleased) {
    writeGame({{"scenario.txt", std::string("text 가나다\ntext ") + kLongText + "\ntext 라\ntext 마\nend\n"}});
    start();
    ASSERT_TRUE(tickUntil([this] { return state() == EngineState::kTyping; }));
    runner_->fastForward();
    EXPECT_EQ(state(), EngineState::kScenario);
    ASSERT_TRUE(tickUntil([this] { return lastExecuted() == "scenario.txt:3"; }, 100));
    runner_->endFastForward();
    ASSERT_TRUE(tickUntilIdle());
    EXPECT_EQ(lastExecuted(), "scenario.txt:3");
}

TEST_F(Tick, AClickOnAHiddenWindowShowsItWithoutAdvancing) {
    writeGame({{"scenario.txt", "text 가\ntext 나\nend\n"}});
    start();
    ASSERT_TRUE(tickUntilIdle());
    runner_->toggleWindow();
    EXPECT_FALSE(runner_->windowShown());
    runner_->Advance();
    EXPECT_TRUE(runner_->windowShown());
    EXPECT_EQ(lastExecuted(), "scenario.txt:1");
    runner_->Advance();
    EXPECT_EQ(lastExecuted(), "scenario.txt:2");
}

TEST_F(Tick, TheSpaceKeyDoesNothingWhenSwitchedOffOrWhileTyping) {
    writeGame({{"scenario.txt", "text 가나다라마\nend\n"}}, "SPACEKEY = OFF\n");
    start();
    ASSERT_TRUE(tickUntilIdle());
    runner_->toggleWindow();
    EXPECT_TRUE(runner_->windowShown());

    runner_->config()->spaceKeyEnabled = true;
    runner_->restart();
    ASSERT_TRUE(tickUntil([this] { return state() == EngineState::kTyping; }));
    runner_->toggleWindow();
    EXPECT_TRUE(runner_->windowShown());
}

TEST_F(Tick, IdleOnlyWhenNothingRunsByItself) {
    writeGame({{"scenario.txt", "show 연출.txt\ntext 가\nend\n"}, {"연출.txt", "timer\nwaittime 300\nend\n"}});
    start();
    ASSERT_TRUE(tickUntil([this] { return lastExecuted() == "연출.txt:2"; }));
    const uint64_t started = now();
    EXPECT_FALSE(runner_->idle());
    ASSERT_TRUE(tickUntilIdle());
    EXPECT_GE(now() - started, 290u);
    EXPECT_EQ(lastExecuted(), "scenario.txt:2");
}

}  // namespace
}  // namespace morv::testing
