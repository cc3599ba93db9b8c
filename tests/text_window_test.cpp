// Drawing the text window, its carets and its background.
#include <gtest/gtest.h>

#include "display/text_window.h"
#include "surface_test_pixels.h"
#include "text_canvas.h"

namespace morv {
namespace {

constexpr uint32_t kScene = 0x402010;

class TextWindowTest : public ::testing::Test {
protected:
    TextWindowTest() {
        config.textWindowRect = {10, 20, 30, 36};
        config.textWindowGradation = 0;
        config.textWindowAlpha = 0;
        config.textWindowOutline = 2;
        canvas.scene().fill(kScene);
        canvas.caret().create(2, 2);
        canvas.caret().fill(0x00FF00);
        canvas.caret().setColorKey(Surface::kOwnTopLeftKey);  // all key: draws nothing
        canvas.pageCaret().create(2, 2);
        canvas.pageCaret().fill(0x0000FF);
    }
    TextWindow make(int depth = 32) { return TextWindow(config, depth, PixelFormat::Xrgb8888, 64, 48, messages); }
    uint32_t frameAt(int x, int y) { return test::pixelAt(canvas.frame(), x, y) & 0xFFFFFF; }

    GameConfig config;
    testing::RecordedMessages messages;
    testing::TextCanvas canvas{64, 48, PixelFormat::Xrgb8888};
};

TEST_F(TextWindowTest, OpaqueWindowPaintsColorOneAndTheFrameShowsTheResult) {
    TextWindow window = make();
    WindowCanvas c = canvas.canvas();
    window.compose(c, false, false);
    EXPECT_FALSE(canvas.sceneChanged);
    EXPECT_EQ(frameAt(10, 20), 0x2020A0u);
    EXPECT_EQ(frameAt(29, 35), 0x2020A0u);
    EXPECT_EQ(frameAt(30, 35), kScene);
    EXPECT_EQ(frameAt(9, 20), kScene);
    EXPECT_EQ(test::pixelAt(canvas.window(), 10, 20) & 0xFFFFFF, 0x2020A0u);

    // Nothing changed: the window surface is only copied to the frame again.
    canvas.scene().fill(0);
    window.compose(c, false, false);
    EXPECT_EQ(frameAt(0, 0), kScene);
}

TEST_F(TextWindowTest, FullyTransparentWindowStillDrawsItsFrame) {
    config.textWindowAlpha = 4;
    config.textWindowOutline = 1;
    TextWindow window = make();
    WindowCanvas c = canvas.canvas();
    window.compose(c, false, false);
    EXPECT_EQ(frameAt(15, 25), kScene);
    EXPECT_EQ(frameAt(4, 14), 0xE0E0E0u);
    // Forced (the review) leaves the frame out.
    canvas.sceneChanged = true;
    window.compose(c, true, false);
    EXPECT_EQ(frameAt(4, 14), kScene);
}

TEST_F(TextWindowTest, HiddenWindowShowsTheSceneUnlessForced) {
    TextWindow window = make();
    window.setHidden(true);
    WindowCanvas c = canvas.canvas();
    window.compose(c, false, false);
    EXPECT_EQ(frameAt(15, 25), kScene);
    canvas.sceneChanged = true;
    window.compose(c, true, false);
    EXPECT_EQ(frameAt(15, 25), 0x2020A0u);
}

TEST_F(TextWindowTest, FullScreenTextTintsTheWholeScreenWithoutFrame) {
    config.textWindowGradation = 1;
    config.textWindowOutline = 0;
    TextWindow window = make();
    WindowCanvas c = canvas.canvas();
    canvas.textLayer().fill(0x123456);
    window.setFullScreenText(true, c);
    EXPECT_EQ(window.rect(), (Rect{0, 0, 64, 48}));
    EXPECT_EQ(test::pixelAt(canvas.textLayer(), 3, 3) & 0xFFFFFF, 0xFF00FFu);
    window.compose(c, false, false);
    EXPECT_EQ(frameAt(0, 0), 0x2020A0u);
    EXPECT_EQ(frameAt(63, 47), 0x2020A0u);  // gradation is off in full-screen text
    window.setFullScreenText(false, c);
    EXPECT_EQ(window.rect(), (Rect{10, 20, 30, 36}));
}

TEST_F(TextWindowTest, UnsupportedDepthAndMissingSkinAreReported) {
    TextWindow deep = make(24);
    WindowCanvas c = canvas.canvas();
    deep.compose(c, false, false);
    ASSERT_EQ(messages.errors.size(), 1u);
    EXPECT_EQ(messages.errors[0], "24비트 모드에서는 정상적인 게임 진행이 불가능합니다.");
    EXPECT_EQ(frameAt(15, 25), 0u);  // the window is not drawn

    config.textWindowOutline = 3;
    config.textWindowSkin = "missing.bmp";
    TextWindow skinned = make();
    canvas.sceneChanged = true;
    skinned.compose(c, false, false);
    ASSERT_EQ(messages.errors.size(), 2u);
    EXPECT_EQ(messages.errors[1], "스킨 이미지를 읽는데 실패했습니다.");
    EXPECT_EQ(frameAt(15, 25), 0x2020A0u);  // the generated background is still there
}

TEST_F(TextWindowTest, CaretBlinksEveryFiveHundredMilliseconds) {
    TextWindow window = make();
    WindowCanvas c = canvas.canvas();
    window.compose(c, false, false);
    const CaretAnchor anchor{6, 30, 0, 24};  // caret at (10 + 6 + 5, 20 + 30 - 24)
    window.caretTick(c, false, true, anchor, 400);
    EXPECT_FALSE(window.caretShown());
    window.caretTick(c, false, true, anchor, 501);
    EXPECT_TRUE(window.caretShown());
    EXPECT_EQ(frameAt(21, 26), 0x0000FFu);  // the page caret
    window.caretTick(c, false, true, anchor, 1001);
    EXPECT_TRUE(window.caretShown());
    window.caretTick(c, false, true, anchor, 1002);
    EXPECT_FALSE(window.caretShown());
    EXPECT_EQ(frameAt(21, 26), 0x2020A0u);  // removed with the window composed again
    // keepDrawing: the caller redraws; a shown caret is put on every tick.
    window.caretTick(c, true, true, anchor, 1503);
    EXPECT_TRUE(window.caretShown());
    canvas.frame().fill(0);
    window.caretTick(c, true, true, anchor, 1600);
    EXPECT_EQ(frameAt(21, 26), 0x0000FFu);
}

}  // namespace
}  // namespace morv
