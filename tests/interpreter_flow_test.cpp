// Jumps, sub-scenario calls, conditions and the end of scenarios and show scripts.
#include "interpreter/scenario_state.h"
#include "interpreter_support.h"

namespace morv::testing {
namespace {

using Flow = InterpreterTest;

TEST_F(Flow, GotoALineWithoutACommandIsReportedAndExecutionGoesOn) {
    writeGame({{"scenario.txt", "goto 4\nsetflag 지나감\nsetflag 지나감\n// 설명\nsetflag 지나감\nend\n"}});
    start();
    ASSERT_TRUE(playToEnd());
    EXPECT_EQ(platform_->messagesShown().at(0), "4라인으로는 이동할 수 없습니다.");
    EXPECT_EQ(executed(), (std::vector<std::string>{"scenario.txt:1", "scenario.txt:2", "scenario.txt:3",
                                                    "scenario.txt:5", "scenario.txt:6"}));
}

TEST_F(Flow, ALineRunAgainSubstitutesItsArgumentsAfresh) {
    // The second goto sees the variable's new value, not the first run's.
    writeGame({{"scenario.txt", "init target 4\ninit n 0\ngoto target\nset n += 1\nset target = 7\nif (n < 2) 3\nend\n"}});
    start();
    ASSERT_TRUE(playToEnd());
    EXPECT_EQ(runner_->scenarioState()->variables.ValueText("n"), "1");
    EXPECT_EQ(lastExecuted(), "scenario.txt:7");
}

TEST_F(Flow, AMovieThatCannotPlayLetsTheShowScriptGoOn) {
    writeGame({{"scenario.txt", "show 연출.txt DISABLE_SKIP\nend\n"}, {"연출.txt", "movie 없는영상.avi\ntimer\nend\n"}});
    start();
    ASSERT_TRUE(tickUntil([this] { return lastExecuted() == "연출.txt:2"; }, 20));
    EXPECT_TRUE(traced("state 32 -> 42"));
    EXPECT_TRUE(traced("state 42 -> 32"));
}

TEST_F(Flow, LoadsnrWithALineStartsThereInTheNewFile) {
    writeGame({{"scenario.txt", "loadsnr 다음.txt 3\nend\n"}, {"다음.txt", "setflag 지나감\nsetflag 지나감\nsetflag 지나감\nend\n"}});
    start();
    ASSERT_TRUE(playToEnd());
    EXPECT_EQ(executed(), (std::vector<std::string>{"scenario.txt:1", "다음.txt:3", "다음.txt:4"}));
}

TEST_F(Flow, ReturnComesBackToTheCallerEvenThroughALoadsnrInTheCallee) {
    writeGame({{"scenario.txt", "funcsnr 호출.txt\n\n// 돌아올 곳\nsetflag 지나감\nend\n"},
               {"호출.txt", "loadsnr 다른.txt\n"},
               {"다른.txt", "setflag 지나감\nreturn\n"}});
    start();
    ASSERT_TRUE(playToEnd());
    EXPECT_EQ(executed(), (std::vector<std::string>{"scenario.txt:1", "호출.txt:1", "다른.txt:1", "다른.txt:2",
                                                    "scenario.txt:4", "scenario.txt:5"}));
    EXPECT_TRUE(runner_->scenarioState()->callStack.frames().empty());
}

TEST_F(Flow, ReturnWithoutACallGoesOnWithTheNextCommand) {
    writeGame({{"scenario.txt", "return\nsetflag 지나감\nend\n"}});
    start();
    ASSERT_TRUE(playToEnd());
    EXPECT_EQ(executed(), (std::vector<std::string>{"scenario.txt:1", "scenario.txt:2", "scenario.txt:3"}));
}

TEST_F(Flow, IfTargetsAreLinesOrFilesAndAFalseConditionWithoutElseFallsThrough) {
    writeGame({{"scenario.txt",
                "init v 3\n"
                "if (v > 5) 9\n"         // false, no else: next line
                "if (v = 3) 5 없음.txt\n"  // true: line 5
                "setflag 지나감\n"
                "if (v < 2) 4 그쪽.txt\n"  // false: the file
                "end\n"},
               {"그쪽.txt", "setflag 지나감\nend\n"}});
    start();
    ASSERT_TRUE(playToEnd());
    EXPECT_EQ(executed(), (std::vector<std::string>{"scenario.txt:1", "scenario.txt:2", "scenario.txt:3",
                                                    "scenario.txt:5", "그쪽.txt:1", "그쪽.txt:2"}));
}

TEST_F(Flow, AnIfFileTargetThatCannotBeOpenedEndsTheGame) {
    writeGame({{"scenario.txt", "init v 3\nif (v = 3) 없는파일.txt 1\nsetflag 지나감\nend\n"}});
    start();
    ASSERT_TRUE(playToEnd(20));
    EXPECT_EQ(lastExecuted(), "scenario.txt:2");
    EXPECT_EQ(runner_->runningScript(), nullptr);
}

TEST_F(Flow, EndInAShowScriptResumesTheScenarioAfterShow) {
    writeGame({{"scenario.txt", "show 연출.txt\nsetflag 지나감\nend\n"}, {"연출.txt", "timer\nend\n"}});
    start();
    ASSERT_TRUE(tickUntil([this] { return state() == EngineState::kShow; }));
    ASSERT_TRUE(tickUntil([this] { return state() == EngineState::kScenario; }));
    ASSERT_TRUE(playToEnd());
    EXPECT_EQ(executed(), (std::vector<std::string>{"scenario.txt:1", "연출.txt:1", "연출.txt:2", "scenario.txt:2",
                                                    "scenario.txt:3"}));
    EXPECT_TRUE(traced("state 0 -> 32"));
    EXPECT_TRUE(traced("state 32 -> 0"));
}

TEST_F(Flow, AClickSkipsASkippableShowScriptButNotAnotherOne) {
    writeGame({{"scenario.txt", "show 연출.txt\nshow 연출.txt DISABLE_SKIP\nend\n"},
               {"연출.txt", "delay 10000\nend\n"}});
    start();
    ASSERT_TRUE(tickUntil([this] { return runner_->delayTimer().active; }));
    runner_->Advance();
    EXPECT_EQ(lastExecuted(), "scenario.txt:2");
    ASSERT_TRUE(tickUntil([this] { return runner_->delayTimer().active; }));
    runner_->Advance();
    EXPECT_EQ(state(), EngineState::kShow);
    EXPECT_EQ(lastExecuted(), "연출.txt:1");
}

TEST_F(Flow, EndInAScenarioEndsTheGameAndDeletesThePreviousChoiceSave) {
    writeGame({{"scenario.txt", "setflag 지나감\nend\n"}});
    start();
    dir_.write("save0090.dat", "x");
    ASSERT_TRUE(playToEnd(10));
    EXPECT_FALSE(std::filesystem::exists(dir_.path() / "save0090.dat"));
}

TEST_F(Flow, ChoicesWaitAndAClickOnOneJumpsToItsTarget) {
    writeGame({{"scenario.txt", "select 3 왼쪽\n+ 4 오른쪽\nsetflag 지나감\nsetflag 지나감\nend\n"}});
    start();
    ASSERT_TRUE(tickUntil([this] { return state() == EngineState::kChoices; }));
    const auto& choices = runner_->scenarioState()->choices;
    ASSERT_EQ(choices.count, 2u);
    const ButtonRecord& second = choices.buttons[1];
    // A click beside the choices picks nothing.
    runner_->Advance(PointerPosition{second.right + 5, second.bottom + 5});
    EXPECT_EQ(state(), EngineState::kChoices);
    runner_->Advance(PointerPosition{second.left + 1, second.top + 1});
    EXPECT_EQ(state(), EngineState::kScenario);
    runner_->Tick();
    EXPECT_EQ(lastExecuted(), "scenario.txt:4");
}

TEST_F(Flow, AMenuScreenWaitsForAButtonThatLoadsItsScenario) {
    writeGame({{"scenario.txt", "menu 메뉴.txt\nend\n"},
               {"메뉴.txt", "textbutton LOADSNR 본편.txt 0 0 시작\ntextbutton END 0 24 끝\nend\n"},
               {"본편.txt", "setflag 지나감\nend\n"}});
    start();
    ASSERT_TRUE(tickUntil([this] { return state() == EngineState::kMenu; }));
    EXPECT_EQ(runner_->scenarioState()->menuButtons.count, 2u);
    EXPECT_TRUE(runner_->idle());
    EXPECT_FALSE(runner_->Advance(PointerPosition{60, 60}));
    EXPECT_FALSE(runner_->Advance(PointerPosition{1, 1}));
    EXPECT_EQ(state(), EngineState::kScenario);
    ASSERT_TRUE(playToEnd(10));
    EXPECT_EQ(lastExecuted(), "본편.txt:2");
}

TEST_F(Flow, RestartPlaysTheFirstScenarioAgainFromAFreshState) {
    writeGame({{"scenario.txt", "init v 1\nfuncsnr 호출.txt\nend\n"}, {"호출.txt", "text 가\nend\n"}});
    start();
    ASSERT_TRUE(tickUntilIdle());
    ASSERT_EQ(lastExecuted(), "호출.txt:1");
    runner_->toggleWindow();
    runner_->restart();
    EXPECT_EQ(state(), EngineState::kScenario);
    EXPECT_TRUE(runner_->windowShown());
    EXPECT_TRUE(runner_->busy());
    EXPECT_TRUE(runner_->scenarioState()->callStack.frames().empty());
    EXPECT_TRUE(runner_->scenarioState()->variables.variables().empty());
    runner_->Tick();
    EXPECT_EQ(lastExecuted(), "scenario.txt:1");
}

}  // namespace
}  // namespace morv::testing
