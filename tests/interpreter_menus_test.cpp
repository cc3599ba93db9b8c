// Menu screens: building from a button script, every action, the gallery and its hover.
#include "interpreter/scenario_state.h"
#include "interpreter_support.h"
#include "platform/menu_items.h"

namespace morv::testing {
namespace {

class Menus : public InterpreterTest {
protected:
    // "scenario.txt" opens "메뉴.txt"; the game waits on the menu.
    void startAtMenu(const std::string& menu, std::map<std::string, std::string> files = {}) {
        files.emplace("scenario.txt", "menu 메뉴.txt\nend\n");
        files.emplace("메뉴.txt", menu);
        writeGame(files, "WINDOW_WIDTH = 200\nWINDOW_HEIGHT = 100\n");
        start();
        ASSERT_TRUE(tickUntil([this] { return state() == EngineState::kMenu; }));
    }
    ButtonList<ScenarioState::kMaxMenuButtons>& menu() { return runner_->scenarioState()->menuButtons; }
    FlagTable& flags() { return runner_->scenarioState()->flags; }
};

TEST_F(Menus, TheHundredAndFirstButtonIsRefusedWithItsMessage) {
    std::string script;
    for (int i = 0; i < 101; ++i) script += "textbutton EVENT x 0 0 " + std::to_string(i) + "\n";
    startAtMenu(script + "end\n");
    EXPECT_EQ(menu().count, 100u);
    EXPECT_EQ(platform_->messagesShown(), std::vector<std::string>{"메뉴 버튼은 최대 100개까지 사용 가능합니다."});
}

TEST_F(Menus, OverlappingButtonsGoToTheOneAddedFirst) {
    startAtMenu("textbutton EVENT x 10 10 가나다\ntextbutton END 12 12 가나다\nend\n");
    EXPECT_FALSE(runner_->Advance(PointerPosition{13, 13}));
    EXPECT_TRUE(traced("button 0"));
    EXPECT_EQ(state(), EngineState::kMenu);
}

TEST_F(Menus, EndAndAnUnknownActionWordCloseTheGame) {
    startAtMenu("textbutton END 0 0 끝\ntextbutton 엉뚱한말 x 0 40 끝\nend\n");
    EXPECT_EQ(menu().buttons[1].action, ButtonAction::End);
    EXPECT_TRUE(runner_->Advance(PointerPosition{1, 41}));
}

TEST_F(Menus, LoadsnrPlaysTheScenarioAndMenuBuildsTheNextMenu) {
    startAtMenu("textbutton MENU 다음메뉴.txt 0 0 다음\nend\n",
                {{"다음메뉴.txt", "textbutton LOADSNR 본편.txt 0 40 시작\nend\n"},
                 {"본편.txt", "setflag 지나감\nend\n"}});
    EXPECT_FALSE(runner_->Advance(PointerPosition{1, 1}));
    EXPECT_EQ(state(), EngineState::kMenu);
    ASSERT_EQ(menu().count, 1u);
    EXPECT_FALSE(runner_->Advance(PointerPosition{1, 41}));
    EXPECT_EQ(state(), EngineState::kScenario);
    ASSERT_TRUE(playToEnd(10));
    EXPECT_EQ(lastExecuted(), "본편.txt:2");
}

TEST_F(Menus, ATargetFileThatCannotBeOpenedEndsTheGame) {
    startAtMenu("textbutton LOADSNR 없음.txt 0 0 가\ntextbutton MENU 없음.txt 0 40 나\nend\n");
    EXPECT_TRUE(runner_->Advance(PointerPosition{1, 1}));
}

TEST_F(Menus, LoadAsksForTheLoadDialogAndBgmAndEventStayOnTheMenu) {
    startAtMenu("textbutton LOAD 0 0 불러오기\ntextbutton BGM 음악.mid 0 30 음악\ntextbutton EVENT x 0 60 행사\nend\n");
    EXPECT_FALSE(runner_->Advance(PointerPosition{1, 1}));
    WindowEvent posted;
    ASSERT_TRUE(platform_->events().poll(posted));
    EXPECT_EQ(posted.kind, WindowEvent::Kind::MenuCommand);
    EXPECT_EQ(posted.value, static_cast<int>(MenuItem::LoadGame));
    EXPECT_FALSE(runner_->Advance(PointerPosition{1, 31}));
    EXPECT_FALSE(runner_->Advance(PointerPosition{1, 61}));
    EXPECT_EQ(state(), EngineState::kMenu);
    EXPECT_EQ(menu().count, 3u);
}

TEST_F(Menus, TheGalleryShowsSeenPicturesAndClearTurnsThemBackIntoPlaceholders) {
    const std::string gallery =
        "cgbutton 0 0 49 39 본그림 자물쇠\ncgbutton 60 0 109 39 못본그림 자물쇠\n"
        "textbutton CLEAR 0 60 지우기\ntextbutton MENU 메뉴.txt 100 60 다시\nend\n";
    writeGame({{"scenario.txt", "setflag 본그림\nmenu 메뉴.txt\nend\n"}, {"메뉴.txt", gallery}},
              "WINDOW_WIDTH = 200\nWINDOW_HEIGHT = 100\n");
    start();
    ASSERT_TRUE(tickUntil([this] { return state() == EngineState::kMenu; }));
    EXPECT_EQ(menu().buttons[0].kind, ButtonKind::GallerySeen);
    EXPECT_EQ(menu().buttons[1].kind, ButtonKind::GalleryNotSeen);

    // A picture not seen does nothing; a seen one is shown until the next click.
    runner_->Advance(PointerPosition{61, 1});
    EXPECT_EQ(state(), EngineState::kMenu);
    runner_->Advance(PointerPosition{1, 1});
    EXPECT_EQ(state(), EngineState::kGalleryImage);
    runner_->Advance(PointerPosition{150, 90});
    EXPECT_EQ(state(), EngineState::kMenu);
    EXPECT_EQ(menu().hover, -1);
    // Escape leaves the picture as well.
    runner_->Advance(PointerPosition{1, 1});
    EXPECT_FALSE(runner_->cancel());
    EXPECT_EQ(state(), EngineState::kMenu);

    runner_->Advance(PointerPosition{1, 61});
    EXPECT_FALSE(flags().IsSet(cp949("본그림")));
    runner_->Advance(PointerPosition{101, 61});
    EXPECT_EQ(menu().buttons[0].kind, ButtonKind::GalleryNotSeen);
}

TEST_F(Menus, IfflagJumpsToALineOfTheButtonScriptOrToAnotherFile) {
    startAtMenu("ifflag 깃발 3 다른메뉴.txt\ntextbutton END 0 0 틀림\ntextbutton EVENT x 0 0 맞음\nend\n",
                {{"다른메뉴.txt", "textbutton EVENT x 0 0 파일\ntextbutton EVENT x 0 30 둘\nend\n"}});
    // The flag is not set: the file replaces the button script.
    EXPECT_EQ(menu().count, 2u);
    flags().Set(cp949("깃발"));
    runner_->restart();
    ASSERT_TRUE(tickUntil([this] { return state() == EngineState::kMenu; }));
    ASSERT_EQ(menu().count, 1u);
    EXPECT_EQ(menu().buttons[0].text, cp949("맞음"));
}

TEST_F(Menus, AnInvalidLineInAButtonScriptEndsTheGame) {
    writeGame({{"scenario.txt", "menu 메뉴.txt\nend\n"}, {"메뉴.txt", "textbutton EVENT x 0 0 가\n엉터리 1 2\nend\n"}});
    start();
    EXPECT_TRUE(playToEnd(10));
    EXPECT_EQ(state(), EngineState::kMenu);
}

TEST_F(Menus, TheHoveredTextButtonIsTintedAndGalleryButtonsAreDarkenedUnlessHovered) {
    startAtMenu("cg WHITE\ncgbutton 100 0 149 39 WHITE WHITE\ntextbutton EVENT x 0 0 가나다\nend\n");
    runner_->Tick();
    const auto red = [this](int x, int y) {
        const FrameImage& frame = platform_->frame();
        return frame.rgb[(static_cast<size_t>(y) * static_cast<size_t>(frame.width) + static_cast<size_t>(x)) * 3];
    };
    EXPECT_LT(red(120, 20), 255);  // not hovered: darkened
    EXPECT_EQ(red(190, 90), 255);
    runner_->pointerMove({120, 20}, false);
    runner_->Tick();
    EXPECT_EQ(red(120, 20), 255);
    EXPECT_EQ(menu().hover, 0);
    const ButtonRecord& text = menu().buttons[1];
    const int x = text.right - 1;
    const int y = text.bottom - 1;
    runner_->pointerMove({x, y}, false);
    runner_->Tick();
    EXPECT_EQ(menu().hover, 1);
    EXPECT_LT(red(120, 20), 255);
}

}  // namespace
}  // namespace morv::testing
