// The full-screen review of past text drawn and scrolled.
#include <gtest/gtest.h>

#include "display/backlog_store.h"
#include "display/backlog_view.h"
#include "fixed_width_font.h"
#include "surface_test_pixels.h"
#include "text_canvas.h"

namespace morv {
namespace {

using testing::DrawnText;

// A 200 x 160 screen: review lines of 15 one-byte characters, three lines a page
// (bottoms 70, 100 and 130).
class BacklogViewTest : public ::testing::Test {
protected:
    BacklogViewTest() {
        config.textWindowAlpha = 0;
        canvas.scene().fill(0x00FF00);
    }
    std::vector<DrawnText> colored() const {
        std::vector<DrawnText> result;
        for (const DrawnText& d : fonts.drawn)
            if (d.color != 0) result.push_back(d);
        return result;
    }
    std::string firstLineText() const {
        std::string text;
        std::vector<DrawnText> drawn = colored();
        for (const DrawnText& d : drawn)
            if (d.y == drawn.front().y) text += d.text;
        return text;
    }
    void fillLines(int count) {
        for (int i = 1; i <= count; ++i) {
            if (i > 1) store.addLineBreak();
            store.addText("line" + std::to_string(i), configColor(9, 9, 9), font);
        }
    }

    GameConfig config;
    testing::FixedWidthFontFactory fonts;
    testing::FixedWidthFont font{24, nullptr};
    testing::RecordedMessages messages;
    testing::TextCanvas canvas{200, 160, PixelFormat::Xrgb8888};
    TextWindow window{config, 32, PixelFormat::Xrgb8888, 200, 160, messages};
    BacklogStore store{100, 200 - 12 - 32};
    BacklogView view{config, fonts, PixelFormat::Xrgb8888, 200, 160};
};

TEST_F(BacklogViewTest, OpensAtTheNewestPageWithHeaderAndScrollBar) {
    fillLines(5);
    WindowCanvas c = canvas.canvas();
    view.open(c, window, store);
    EXPECT_EQ(window.rect(), (Rect{0, 0, 200, 160}));
    EXPECT_EQ(view.paging().linesPerPage(), 3);
    EXPECT_EQ(view.paging().topLine(), 3);
    std::vector<DrawnText> drawn = colored();
    ASSERT_FALSE(drawn.empty());
    EXPECT_EQ(firstLineText(), "line3");
    EXPECT_EQ(drawn.front().x, 6);
    EXPECT_EQ(drawn.front().y, 70 - 24);
    EXPECT_EQ(drawn.back().y, 130 - 24);
    // The header and icons sit on the window surface; the scroll bar on the frame.
    const uint32_t window0 = test::pixelAt(canvas.window(), 100, 100) & 0xFFFFFF;
    EXPECT_NE(test::pixelAt(canvas.window(), 10, 10) & 0xFFFFFF, window0);
    EXPECT_NE(test::pixelAt(canvas.window(), 200 - 180 + 16, 20) & 0xFFFFFF,
              test::pixelAt(canvas.window(), 200 - 184, 20) & 0xFFFFFF);
    EXPECT_NE(test::pixelAt(canvas.frame(), 185, 100) & 0xFFFFFF, window0);
}

TEST_F(BacklogViewTest, StepsAndScrollBarPressesMoveThePage) {
    fillLines(8);
    WindowCanvas c = canvas.canvas();
    view.open(c, window, store);
    EXPECT_EQ(view.paging().topLine(), 6);
    EXPECT_FALSE(view.lineDown(c, store));
    EXPECT_FALSE(view.pageDown(c, store));
    fonts.drawn.clear();
    view.pageUp(c, store);
    EXPECT_EQ(firstLineText(), "line3");
    EXPECT_TRUE(view.press(c, store, 190, 45));  // the up button
    EXPECT_EQ(view.paging().topLine(), 2);
    EXPECT_TRUE(view.press(c, store, 190, 150));  // the down button
    EXPECT_EQ(view.paging().topLine(), 3);
    EXPECT_FALSE(view.press(c, store, 50, 100));  // not the view's: closes the review
    // Drag the thumb to the bottom of the track and let go: the newest page.
    Rect thumb = view.scrollBar().thumb(view.paging(), {1, 8});
    EXPECT_TRUE(view.press(c, store, 190, thumb.top));
    view.drag(c, store, 1000);
    view.release(c, store);
    EXPECT_EQ(view.paging().topLine(), 6);
}

TEST_F(BacklogViewTest, PagesStartInsideWrappedMessagesAndFollowFontChanges) {
    store.addText("abcdefghijklmnopqrstuvwxyz", 1, font);  // lines 1 and 2
    store.addLineBreak();                                   // line 3
    StyledFont big;
    big.record.height = 30;
    store.addFontChange(big);
    store.addText("A", 2, font);
    for (const char* more : {"x", "y"}) {
        store.addLineBreak();
        store.addText(more, 2, font);
    }
    WindowCanvas c = canvas.canvas();
    view.open(c, window, store);
    EXPECT_EQ(view.paging().topLine(), 3);
    fonts.drawn.clear();
    view.jump(c, store, 2);
    std::vector<DrawnText> drawn = colored();
    ASSERT_EQ(drawn.size(), 13u);  // "pqrstuvwxyz", "A", "x"
    EXPECT_EQ(drawn.front().text, "p");
    EXPECT_EQ(drawn[11].text, "A");
    EXPECT_EQ(drawn[11].height, 30);
    EXPECT_EQ(drawn[11].y, 70 + 30 - 30);  // the break moved down by the old font's line
    EXPECT_EQ(drawn.back().text, "x");
    EXPECT_EQ(drawn.back().y, 70 + 30 + 36 - 30);
}

TEST_F(BacklogViewTest, IconsByNumberAreStretchedIntoTheirRectangle) {
    view.drawIcon(canvas.frame(), 41, {10, 10, 74, 74});
    EXPECT_NE(test::pixelAt(canvas.frame(), 40, 40), 0u);
    EXPECT_EQ(test::pixelAt(canvas.frame(), 11, 11), 0u);  // the transparent corner
    view.drawIcon(canvas.frame(), 7, {100, 100, 132, 132});
    EXPECT_EQ(test::pixelAt(canvas.frame(), 116, 116), 0u);
}

}  // namespace
}  // namespace morv
