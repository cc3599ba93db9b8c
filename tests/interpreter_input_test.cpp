// The player's operations in the states they name, and in states they leave alone.
#include "display/screen.h"
#include "interpreter/scenario_state.h"
#include "interpreter_support.h"

namespace morv::testing {
namespace {

using Input = InterpreterTest;

constexpr const char* kLongText =
    "가나다라마바사아자차카타파하가나다라마바사아자차카타파하가나다라마바사아자차카타파하가나다라마바사아자차카타파하"
    "가나다라마바사아자차카타파하가나다라마바사아자차카타파하가나다라마바사아자차카타파하가나다라마바사아자차카타파하";

TEST_F(Input, WithTheWindowHiddenAClickEnterOrAWheelStepOnlyShowsItAgain) {
    writeGame({{"scenario.txt", "text 가\ntext 나\ntext 다\nend\n"}});
    start();
    ASSERT_TRUE(tickUntilIdle());
    const auto hideThen = [this](const std::function<void()>& operation) {
        runner_->toggleWindow();
        ASSERT_FALSE(runner_->windowShown());
        operation();
        EXPECT_TRUE(runner_->windowShown());
        // The line stays on view: ticks do not run on until the next click.
        for (int i = 0; i < 5; ++i) runner_->Tick();
        EXPECT_EQ(lastExecuted(), "scenario.txt:1");
        EXPECT_TRUE(runner_->idle());
    };
    hideThen([this] { runner_->Advance(PointerPosition{5, 5}); });
    hideThen([this] { runner_->Advance(); });
    hideThen([this] { runner_->reviewForward(); });
    runner_->Advance();
    EXPECT_EQ(lastExecuted(), "scenario.txt:2");
}

TEST_F(Input, EscapeAsksBeforeClosingAndLeavesWhatItCanLeave) {
    writeGame({{"scenario.txt", "text 가\nend\n"}});
    start();
    ASSERT_TRUE(tickUntilIdle());
    platform_->queueAnswer("cancel");
    EXPECT_FALSE(runner_->cancel());
    EXPECT_TRUE(traced("question \"프로그램을 종료합니다.\" -> cancel"));
    platform_->queueAnswer("ok");
    EXPECT_TRUE(runner_->cancel());
    // In the review Escape only leaves the review.
    runner_->reviewBack();
    ASSERT_EQ(state(), EngineState::kReview);
    EXPECT_FALSE(runner_->cancel());
    EXPECT_EQ(state(), EngineState::kScenario);
}

TEST_F(Input, TheReviewOpensOnlyWhereThePlayerWaitsOrTextTypes) {
    writeGame({{"scenario.txt", "text 가\ndelay 500\nthreadcgeffect 0 0 BLACK\nshow 연출.txt\nend\n"},
               {"연출.txt", "timer\nwaittime 1000\nend\n"}});
    start();
    ASSERT_TRUE(tickUntilIdle());
    runner_->reviewBack();
    EXPECT_EQ(state(), EngineState::kReview);
    EXPECT_TRUE(runner_->scenarioState()->menuButtons.count == 6);
    // Forward at the newest line leaves it, and the interpreter waits for a click.
    runner_->reviewForward();
    EXPECT_EQ(state(), EngineState::kScenario);
    EXPECT_FALSE(runner_->busy());

    runner_->Advance();
    ASSERT_TRUE(runner_->delayTimer().active);
    runner_->reviewBack();
    EXPECT_EQ(state(), EngineState::kScenario);
    ASSERT_TRUE(tickUntil([this] { return lastExecuted() == "scenario.txt:4"; }));
    ASSERT_TRUE(tickUntil([this] { return lastExecuted() == "연출.txt:2"; }));
    runner_->reviewBack();
    EXPECT_EQ(state(), EngineState::kShow);
}

TEST_F(Input, TheReviewCannotOpenOnAMenu) {
    writeGame({{"scenario.txt", "menu 메뉴.txt\n"}, {"메뉴.txt", "textbutton END 0 0 끝\nend\n"}});
    start();
    ASSERT_TRUE(tickUntil([this] { return state() == EngineState::kMenu; }));
    runner_->reviewBack();
    EXPECT_EQ(state(), EngineState::kMenu);
    EXPECT_EQ(runner_->scenarioState()->menuButtons.count, 1u);
}

TEST_F(Input, OpeningTheReviewWhileTypingFinishesThePageAndLeavingItReturnsToItsClickWait) {
    writeGame({{"scenario.txt", std::string("text ") + kLongText + "\nend\n"}}, "TEXT_SPEED = 5\n");
    start();
    ASSERT_TRUE(tickUntil([this] { return state() == EngineState::kTyping; }));
    runner_->reviewBack();
    EXPECT_EQ(state(), EngineState::kReview);
    EXPECT_TRUE(runner_->pageWait());
    runner_->reviewBack();  // one line back
    EXPECT_EQ(state(), EngineState::kReview);
    ASSERT_FALSE(runner_->cancel());
    EXPECT_EQ(state(), EngineState::kTyping);
    EXPECT_TRUE(runner_->pageWait());
    EXPECT_TRUE(runner_->idle());
}

TEST_F(Input, ReviewButtonsStepAndEscapeLeaves) {
    writeGame({{"scenario.txt", "text 가\ntext 나\ntext 다\nend\n"}}, "WINDOW_WIDTH = 300\nWINDOW_HEIGHT = 200\n");
    start();
    ASSERT_TRUE(tickUntilIdle());
    runner_->reviewBack();
    ASSERT_EQ(state(), EngineState::kReview);
    const auto& buttons = runner_->scenarioState()->menuButtons;
    ASSERT_EQ(buttons.count, 6u);
    EXPECT_EQ(buttons.buttons[1].left, 300 - 180);
    EXPECT_EQ(buttons.buttons[5].normalImage, "50");
    runner_->pointerMove({300 - 170, 10}, false);
    EXPECT_EQ(buttons.hover, 1);
    runner_->Advance(PointerPosition{300 - 170, 10});  // Up
    runner_->Advance(PointerPosition{10, 10});           // the background button does nothing
    EXPECT_EQ(state(), EngineState::kReview);
    runner_->Advance(PointerPosition{300 - 30, 10});  // Escape
    EXPECT_EQ(state(), EngineState::kScenario);
}

TEST_F(Input, ReviewOverWaitingChoicesReturnsToTheChoices) {
    writeGame({{"scenario.txt", "select 3 가\nend\nend\n"}});
    start();
    runner_->config()->mouseTracking = false;
    ASSERT_TRUE(tickUntil([this] { return state() == EngineState::kChoices; }));
    runner_->arrowKey(PlayerInput::Arrow::Up);  // with choices the arrows move the pointer
    EXPECT_EQ(state(), EngineState::kChoices);
    runner_->reviewBack();
    EXPECT_EQ(state(), EngineState::kChoices + EngineState::kReview);
    runner_->arrowKey(PlayerInput::Arrow::Down);
    EXPECT_EQ(state(), EngineState::kChoices);
}

TEST_F(Input, CtrlDuringADisableSkipDelayLetsItRunOutWhileTextsAndFadesCompleteAtOnce) {
    writeGame({{"scenario.txt", "delay 300 DISABLE_SKIP\ncg BLACK 640\ntext 가나다라마바사\nwait\ntext 아\nend\n"}},
              "TEXT_SPEED = 0\n");
    start();
    ASSERT_TRUE(tickUntil([this] { return runner_->delayTimer().active; }));
    const uint64_t started = now();
    runner_->fastForward();
    EXPECT_TRUE(runner_->delayTimer().active);
    ASSERT_TRUE(tickUntil([this] { return lastExecuted() == "scenario.txt:2"; }, 1000));
    EXPECT_GE(now() - started, 300u);
    // Once the delay ran out the fade, the slow text and the wait hold nothing back.
    ASSERT_TRUE(playToEnd(10));
    EXPECT_FALSE(traced("state 0 -> 2"));
    EXPECT_EQ(lastExecuted(), "scenario.txt:6");
}

TEST_F(Input, SkipReadAndAutoAreSwitchedByTheirOperationsAndOffByAClick) {
    writeGame({{"scenario.txt", "text 가\ntext 나\nend\n"}});
    start();
    ASSERT_TRUE(tickUntilIdle());
    runner_->setSkipRead(true);
    EXPECT_TRUE(runner_->skipRead());
    runner_->setSkipRead(false);
    EXPECT_FALSE(runner_->skipRead());
    runner_->setAuto(true);
    EXPECT_TRUE(runner_->autoMode());
    EXPECT_TRUE(runner_->delayTimer().active);
    runner_->Advance();
    EXPECT_FALSE(runner_->autoMode());
}

TEST_F(Input, PointerMovesAndReleasesOutsideTheirStatesChangeNothing) {
    writeGame({{"scenario.txt", "text 가\nend\n"}});
    start();
    ASSERT_TRUE(tickUntilIdle());
    runner_->pointerMove({5, 5}, true);
    runner_->buttonRelease();
    EXPECT_EQ(state(), EngineState::kScenario);
    EXPECT_EQ(runner_->scenarioState()->menuButtons.hover, -1);
    EXPECT_EQ(lastExecuted(), "scenario.txt:1");
}

}  // namespace
}  // namespace morv::testing
