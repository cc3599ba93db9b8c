// Presenting only what changed on the frame, and what the display then shows.
#include <gtest/gtest.h>

#include <string>

#include "display/pixel_color.h"
#include "screen_text_fixture.h"

namespace morv {
namespace {

// The text screen's fixture, with the whole frame compared against the display.
class ScreenPresentationTest : public ScreenTextFixture {
protected:
    const Rect whole() const { return {0, 0, 640, 480}; }

    // Whether the display shows exactly the frame surface, pixel for pixel.
    bool displayShowsTheFrame() {
        const FrameImage& shown = platform->frame();
        if (shown.width != frame().width() || shown.height != frame().height()) return false;
        for (int y = 0; y < shown.height; ++y) {
            for (int x = 0; x < shown.width; ++x) {
                const uint32_t raw = test::pixelAt(frame(), x, y);
                uint32_t rgb = raw & 0xFFFFFF;
                if (frame().format() == PixelFormat::Rgb565) {
                    rgb = (raw >> 11) << 19 | ((raw >> 5) & 0x3F) << 10 | (raw & 0x1F) << 3;
                }
                if (shownAt(x, y) != rgb) return false;
            }
        }
        return true;
    }
};

TEST_P(ScreenPresentationTest, AFrameThatDidNotChangeIsNotPresented) {
    screen->present();
    const int presents = platform->presentCount();
    EXPECT_TRUE(screen->dirtyRect().empty());
    screen->present();
    screen->present();
    EXPECT_EQ(platform->presentCount(), presents);

    frame().fillRect({10, 20, 30, 25}, 0xFF0000);
    EXPECT_EQ(screen->dirtyRect(), (Rect{10, 20, 30, 25}));
    screen->present();
    EXPECT_EQ(platform->presentCount(), presents + 1);
    EXPECT_TRUE(displayShowsTheFrame());

    // Pixels written directly are shown once marked.
    test::setPixel(frame(), 600, 470, screenColorToPixel(0x0000FF, frame().format()));
    screen->present();
    EXPECT_EQ(platform->presentCount(), presents + 1);
    screen->markDirty({600, 470, 601, 471});
    screen->present();
    EXPECT_EQ(platform->presentCount(), presents + 2);
    EXPECT_TRUE(displayShowsTheFrame());

    // After the display was lost the whole frame goes out again.
    screen->restore();
    EXPECT_EQ(platform->presentCount(), presents + 3);
}

TEST_P(ScreenPresentationTest, ALayerChangeMarksTheWholeFrame) {
    screen->present();
    screen->setBackground("WHITE");
    EXPECT_TRUE(screen->dirtyRect().empty()) << "the stage is not on view yet";
    screen->showStage();
    EXPECT_EQ(screen->dirtyRect(), whole());
    screen->present();
    EXPECT_TRUE(displayShowsTheFrame());
}

TEST_P(ScreenPresentationTest, ACaretBlinkMarksOnlyTheCaretsPlace) {
    const std::string text = cp949::fromUtf8("기다려요");
    screen->showMessage(text, false);
    screen->present();
    const Rect line = screen->textLineRect();
    const int caretX = config.textWindowRect.left + config.windowMargin + screen->measureText(text) + 5;
    const Rect caret{caretX, line.top, caretX + 6, line.top + 8};

    VirtualClock& clock = platform->virtualClock();
    int blinks = 0;
    for (int tick = 0; tick < 150; ++tick) {
        clock.sleep(10);
        const int presents = platform->presentCount();
        screen->blinkCaret(false, false);
        const Rect dirty = screen->dirtyRect();
        screen->present();
        if (dirty.empty()) {
            EXPECT_EQ(platform->presentCount(), presents);
            continue;
        }
        ++blinks;
        EXPECT_EQ(dirty, caret) << "blink " << blinks;
        EXPECT_EQ(platform->presentCount(), presents + 1);
        EXPECT_TRUE(displayShowsTheFrame()) << "blink " << blinks;
    }
    // 1.5 s of ticks: the caret came and went three times.
    EXPECT_EQ(blinks, 3);
}

INSTANTIATE_TEST_SUITE_P(Depths, ScreenPresentationTest, ::testing::Values(16, 32));

}  // namespace
}  // namespace morv
