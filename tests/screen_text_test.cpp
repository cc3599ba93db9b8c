// Dialogue text on the screen: typing, pages and the text window.
#include <gtest/gtest.h>

#include "screen_text_fixture.h"

namespace morv {
namespace {

using ScreenTextTest = ScreenTextFixture;

TEST_P(ScreenTextTest, GradualMessageFinishesAfterOneRevealPerCharacter) {
    const std::string text = korean("안녕하세요, MORV!");  // 12 characters, 5 of them two bytes
    EXPECT_EQ(screen->showMessage(text, true), Screen::kTextDrawn);
    const int firstWidth = countOtherThan(textLayer(), window(), kMagenta);
    EXPECT_GT(firstWidth, 0);
    int reveals = 0;
    int result = Screen::kTextDrawn;
    while (result == Screen::kTextDrawn && reveals < 100) {
        result = screen->revealNext();
        ++reveals;
    }
    EXPECT_EQ(result, Screen::kTextFinished);
    EXPECT_EQ(reveals, 12);
    EXPECT_GT(countOtherThan(textLayer(), window(), kMagenta), firstWidth);
    // The next line starts below, the cursor back at the left margin.
    const Rect line = screen->textLineRect();
    EXPECT_FALSE(screen->newLine());
    EXPECT_EQ(screen->textLineRect().top, line.top + config.lineSpacing + config.font.height);
    EXPECT_EQ(screen->textLineRect().left, window().left + config.windowMargin);
}

TEST_P(ScreenTextTest, LongMessageFillsThePageAndGoesOnAtTheTopOfAFreshOne) {
    std::string text;
    for (int i = 0; i < 60; ++i) text += korean("가나다라마바사");  // three pages and more
    EXPECT_EQ(screen->showMessage(text, false), Screen::kTextPageFull);
    const Rect win = window();
    const int firstLineBottom = win.top + config.windowMargin + config.font.height;
    const Rect lastLine{win.left, firstLineBottom + config.lineSpacing, win.right, win.bottom};
    EXPECT_GT(countOtherThan(textLayer(), lastLine, kMagenta), 0);

    EXPECT_EQ(screen->continueOnFreshPage(), Screen::kTextDrawn);
    // One character on the first line of a cleared page.
    EXPECT_EQ(screen->textLineRect().bottom, firstLineBottom);
    EXPECT_EQ(countOtherThan(textLayer(), lastLine, kMagenta), 0);
    EXPECT_GT(countOtherThan(textLayer(), win, kMagenta), 0);

    int pages = 2;
    int result = Screen::kTextDrawn;
    for (int guard = 0; guard < 10 && result != Screen::kTextFinished; ++guard) {
        result = screen->revealRest();
        if (result == Screen::kTextPageFull) {
            ++pages;
            screen->continueOnFreshPage();
        }
    }
    EXPECT_EQ(result, Screen::kTextFinished);
    EXPECT_GE(pages, 4);
}

TEST_P(ScreenTextTest, TheFirstFrameShowsTheEmptyWindowOverWhite) {
    Screen fresh(config, *platform);
    ASSERT_EQ(fresh.createDisplay(), 0);
    fresh.present();
    const Rect win = window();
    const bool deep = GetParam() == 32;
    EXPECT_EQ(shownAt(5, 5), deep ? 0xFFFFFFu : 0xF8FCF8u);
    // The dark bottom band: 3/8 of white plus 80.
    EXPECT_EQ(shownAt(win.left + 10, win.bottom + 3), deep ? 0xAFAFAFu : 0xA8ACA8u);
    const uint32_t inside = shownAt(win.left + 50, win.top + 50);
    EXPECT_NE(inside, shownAt(5, 5));
    EXPECT_GT(inside & 0xFF, inside >> 16);  // blue over red: the window's colors
}

TEST_P(ScreenTextTest, PresentedFrameHasTheDialogueWindowAndItsText) {
    const Rect win = window();
    screen->present();
    // Over the black scene: the bevel's light top and dark bottom, the scene outside.
    const bool deep = GetParam() == 32;
    EXPECT_EQ(shownAt(win.left + 10, win.top - 3), deep ? 0x9F9F9Fu : 0x989C98u);
    EXPECT_EQ(shownAt(win.left + 10, win.bottom + 3), deep ? 0x505050u : 0x505050u);
    EXPECT_EQ(shownAt(win.left - 10, win.top - 10), 0u);
    // The vertical gradation runs from color 1 at the top towards color 2.
    const uint32_t top = shownAt(win.left + 50, win.top);
    const uint32_t bottom = shownAt(win.left + 50, win.bottom - 1);
    EXPECT_LT(top & 0xFF, bottom & 0xFF);
    EXPECT_LT(top >> 16, bottom >> 16);
    const uint32_t textColor = deep ? 0xF0F0F0u : 0xF0F0F0u & 0xF8FCF8u;
    EXPECT_EQ(shownCount(win, textColor), 0);

    screen->showMessage(korean("[안내]대화창에 글자가 보입니다."), false);
    screen->present();
    EXPECT_GT(shownCount(win, textColor), 100);
    // Shadow: black pixels inside the window where there were none.
    EXPECT_GT(shownCount(win, 0), 20);

    // A new scene keeps the window and the page over it.
    screen->setBackground("WHITE");
    screen->showStage();
    screen->present();
    EXPECT_GT(shownCount(win, textColor), 100);
    EXPECT_EQ(shownAt(5, 5), deep ? 0xFFFFFFu : 0xF8FCF8u);

    // The player hides the window: the scene alone; showing it brings back the page.
    screen->hideTextWindow();
    screen->present();
    EXPECT_EQ(shownCount(win, textColor), 0);
    screen->redrawTextWindow();
    screen->present();
    EXPECT_GT(shownCount(win, textColor), 100);

    // A restart empties the page but keeps the window.
    screen->reset();
    screen->present();
    EXPECT_EQ(shownCount(win, textColor), 0);
    EXPECT_EQ(shownAt(win.left + 50, win.top - 3), deep ? 0x9F9F9Fu : 0x989C98u);
}

TEST_P(ScreenTextTest, CaretBlinksEveryFiveHundredMillisecondsAfterTheText) {
    const std::string text = korean("기다려요");
    screen->showMessage(text, false);
    const Rect line = screen->textLineRect();
    const int caretX = window().left + config.windowMargin + screen->measureText(text) + 5;
    const Rect caret{caretX + 1, line.top + 1, caretX + 6, line.top + 8};
    auto shown = [&](uint32_t color) { return countOtherThan(frame(), caret, color) == 0; };

    VirtualClock& clock = platform->virtualClock();
    std::vector<uint32_t> toggles;
    bool was = shown(kGreen);
    EXPECT_FALSE(was);
    for (int tick = 0; tick < 200; ++tick) {
        clock.sleep(10);
        screen->blinkCaret(false, false);
        if (shown(kGreen) != was) {
            was = !was;
            toggles.push_back(clock.ticks());
        }
    }
    ASSERT_GE(toggles.size(), 3u);
    for (size_t i = 1; i < toggles.size(); ++i) {
        EXPECT_GE(toggles[i] - toggles[i - 1], 500u);
        EXPECT_LE(toggles[i] - toggles[i - 1], 520u);
    }
    // While a page waits the page caret blinks instead.
    while (!was) {
        clock.sleep(10);
        screen->blinkCaret(false, false);
        was = shown(kGreen);
    }
    bool pageShown = false;
    for (int tick = 0; tick < 120 && !pageShown; ++tick) {
        clock.sleep(10);
        screen->blinkCaret(true, false);
        pageShown = shown(kBlue);
    }
    EXPECT_TRUE(pageShown);
}

TEST_P(ScreenTextTest, DrawnTextHasGlyphsInTheChosenColor) {
    screen->setTextColor(configColor(0xFF, 0, 0));
    screen->drawText(100, 50, korean("그림 위의 글자"), TextTarget::Frame);
    const uint32_t red = 0xFF0000 & (GetParam() == 16 ? 0xF8FCF8u : 0xFFFFFFu);
    Rect area{100, 50, 100 + screen->measureText(korean("그림 위의 글자")), 50 + config.font.height};
    EXPECT_GT(countOtherThan(frame(), area, 0), 50);
    screen->present();
    EXPECT_GT(shownCount(area, red), 50);
    EXPECT_EQ(screen->textColor(), configColor(0xFF, 0, 0));
    screen->resetPage(true);
    EXPECT_EQ(screen->textColor(), config.textColor);
}

TEST_P(ScreenTextTest, ClosingTheReviewBringsBackTheSceneAndThePage) {
    screen->setBackground("WHITE");
    screen->showStage();
    screen->showMessage(korean("지나간 대사"), false);
    const int pageText = countOtherThan(textLayer(), window(), kMagenta);
    screen->openReview();
    // The review covers the whole screen, the scene's white included.
    EXPECT_NE(test::pixelAt(frame(), 5, 100), screenColorToPixel(0xFFFFFF, frame().format()));
    screen->closeReview();
    EXPECT_EQ(test::pixelAt(frame(), 5, 100), screenColorToPixel(0xFFFFFF, frame().format()));
    EXPECT_EQ(countOtherThan(textLayer(), window(), kMagenta), pageText);
    EXPECT_EQ(countOtherThan(textLayer(), {0, 0, 640, window().top}, kMagenta), 0);
}

INSTANTIATE_TEST_SUITE_P(BothDepths, ScreenTextTest, ::testing::Values(16, 32), test::depthName);

}  // namespace
}  // namespace morv
