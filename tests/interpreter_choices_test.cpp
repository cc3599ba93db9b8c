// Choices: their buttons, the pick, the targets, the hover tint and the pointer placement.
#include <array>

#include "interpreter/scenario_state.h"
#include "interpreter_support.h"

namespace morv::testing {
namespace {

using Choices = InterpreterTest;

using Pixel = std::array<uint8_t, 3>;

Pixel pixel(const FrameImage& frame, int x, int y) {
    const size_t at = (static_cast<size_t>(y) * static_cast<size_t>(frame.width) + static_cast<size_t>(x)) * 3;
    return {frame.rgb[at], frame.rgb[at + 1], frame.rgb[at + 2]};
}

// Waits at the choices of a scenario; the pointer rests nowhere near them unless moved.
class ChoiceTest : public InterpreterTest {
protected:
    void startAtChoices(const std::map<std::string, std::string>& files, const std::string& configuration = "") {
        writeGame(files, configuration);
        start();
        runner_->config()->mouseTracking = false;
        ASSERT_TRUE(tickUntil([this] { return state() == EngineState::kChoices; }));
    }
    const ButtonList<ScenarioState::kMaxChoices>& choices() { return runner_->scenarioState()->choices; }
    PointerPosition inside(int index) {
        const ButtonRecord& choice = choices().buttons[static_cast<size_t>(index)];
        return {choice.left + 1, choice.top + 1};
    }
};

TEST(ButtonLists, TheFirstButtonAddedWinsWhereRectanglesOverlapAndEdgesAreExclusive) {
    ButtonList<4> list;
    list.add(imageButton(ButtonAction::End, "", {10, 10, 30, 30}, "a", "", ""));
    list.add(imageButton(ButtonAction::Menu, "", {20, 20, 40, 40}, "b", "", ""));
    EXPECT_EQ(list.hit(25, 25), 0);
    EXPECT_EQ(list.hover, 0);
    EXPECT_EQ(list.hit(30, 30), 1);  // right and bottom of the first lie outside it
    EXPECT_EQ(list.hit(40, 25), -1);
    EXPECT_EQ(list.hover, -1);
    EXPECT_TRUE(list.trackHover(35, 35));
    EXPECT_FALSE(list.trackHover(36, 36));
    // Empty hover and pressed pictures are the normal one.
    EXPECT_EQ(list.buttons[0].hoverImage, "a");
    EXPECT_EQ(list.buttons[0].pressedImage, "a");
}

TEST_F(ChoiceTest, AnEleventhChoiceIsRefusedButItsTextIsStillTyped) {
    std::string scenario = "select 13 가\n";
    for (int i = 1; i <= 10; ++i) scenario += "+ 13 " + std::to_string(i) + "\n";
    startAtChoices({{"scenario.txt", scenario + "end\nend\n"}}, "TEXT_WINDOW_RECT = 0, 0, 64, 400\nWINDOW_HEIGHT = 400\n");
    EXPECT_EQ(choices().count, 10u);
    EXPECT_EQ(platform_->messagesShown(), std::vector<std::string>{"Select문은 최대 10개까지 사용 가능합니다."});
    EXPECT_TRUE(traced("exec scenario.txt:11 311"));
}

TEST_F(ChoiceTest, ADigitLedTargetIsALineAndAnythingElseAFileMinusFiveIncluded) {
    const std::map<std::string, std::string> game = {
        {"scenario.txt", "select 4 줄\n+ 저쪽.txt 파일\n+ -5 음수\nsetflag 지나감\nend\n"},
        {"저쪽.txt", "setflag 지나감\nend\n"},
        {"-5", "setflag 지나감\nend\n"}};
    startAtChoices(game);
    runner_->Advance(inside(0));
    EXPECT_EQ(state(), EngineState::kScenario);
    runner_->Tick();
    EXPECT_EQ(lastExecuted(), "scenario.txt:4");
    EXPECT_TRUE(traced("choice 0 \"줄\""));

    runner_->restart();
    ASSERT_TRUE(tickUntil([this] { return state() == EngineState::kChoices; }));
    runner_->Advance(inside(1));
    runner_->Tick();
    EXPECT_EQ(lastExecuted(), "저쪽.txt:1");

    runner_->restart();
    ASSERT_TRUE(tickUntil([this] { return state() == EngineState::kChoices; }));
    runner_->Advance(inside(2));
    runner_->Tick();
    EXPECT_EQ(lastExecuted(), "-5:1");
    EXPECT_TRUE(traced("choice 2 \"음수\""));
}

TEST_F(ChoiceTest, AFileTargetThatCannotBeOpenedEndsTheGame) {
    startAtChoices({{"scenario.txt", "select 없는파일.txt 가\nend\n"}});
    EXPECT_TRUE(runner_->Advance(inside(0)));
}

TEST_F(ChoiceTest, WithTheWindowHiddenAClickShowsItAndPicksNothing) {
    startAtChoices({{"scenario.txt", "select 3 가\nend\nsetflag 지나감\nend\n"}});
    runner_->toggleWindow();
    ASSERT_FALSE(runner_->windowShown());
    runner_->Advance(inside(0));
    EXPECT_TRUE(runner_->windowShown());
    EXPECT_EQ(state(), EngineState::kChoices);
    runner_->Tick();
    EXPECT_EQ(state(), EngineState::kChoices);
    runner_->Advance(inside(0));
    EXPECT_EQ(state(), EngineState::kScenario);
}

TEST_F(ChoiceTest, EnterPicksTheChoiceUnderThePointerAndAClickBesideThemNothing) {
    startAtChoices({{"scenario.txt", "select 4 가\n+ 5 나\nsetflag 셋\nsetflag 하나\nsetflag 둘\nend\n"}});
    const PointerPosition second = inside(1);
    runner_->Advance(PointerPosition{second.x, 47});
    EXPECT_EQ(state(), EngineState::kChoices);
    platform_->display().movePointer(second);
    runner_->Advance();
    runner_->Tick();
    EXPECT_EQ(lastExecuted(), "scenario.txt:5");
}

TEST_F(ChoiceTest, TheHoveredChoiceIsTintedWithTheHighlightColor) {
    startAtChoices({{"scenario.txt", "select 3 가\nend\nend\n"}}, "TEXTHIGHLIGHTCOLOR = 0, 255, 0\n");
    const ButtonRecord choice = choices().buttons[0];
    const int x = (choice.left + choice.right) / 2;
    const int y = choice.bottom - 1;
    runner_->Tick();
    const Pixel before = pixel(platform_->frame(), x, y);
    runner_->pointerMove({x, y}, false);
    EXPECT_EQ(choices().hover, 0);
    runner_->Tick();
    const Pixel tinted = pixel(platform_->frame(), x, y);
    EXPECT_GT(tinted[1], before[1]);
    EXPECT_LE(tinted[0], before[0]);
    // Off the choice the window is drawn again without the tint.
    runner_->pointerMove({x, 47}, false);
    runner_->Tick();
    EXPECT_EQ(pixel(platform_->frame(), x, y), before);
}

TEST_F(ChoiceTest, MouseTrackingPutsThePointerOnAChoiceAndTheArrowKeysMoveIt) {
    writeGame({{"scenario.txt", "select 5 가\n+ 5 나\n+ 5 다\nend\nend\n"}});
    start();
    ASSERT_TRUE(tickUntil([this] { return state() == EngineState::kChoices; }));
    const auto centre = [this](int index) {
        const ButtonRecord& choice = choices().buttons[static_cast<size_t>(index)];
        return std::pair{(choice.left + choice.right) / 2, (choice.top + choice.bottom) / 2};
    };
    const auto pointer = [this] { return std::pair{platform_->pointer().x, platform_->pointer().y}; };
    // Resting on none, the pointer goes to the first choice.
    EXPECT_EQ(pointer(), centre(0));
    runner_->arrowKey(PlayerInput::Arrow::Down);
    runner_->arrowKey(PlayerInput::Arrow::Down);
    EXPECT_EQ(pointer(), centre(2));
    runner_->arrowKey(PlayerInput::Arrow::Down);  // not past the last
    EXPECT_EQ(pointer(), centre(2));
    runner_->arrowKey(PlayerInput::Arrow::Up);
    EXPECT_EQ(pointer(), centre(1));
    runner_->Advance();
    EXPECT_TRUE(traced("choice 1 \"나\""));
}

}  // namespace
}  // namespace morv::testing
