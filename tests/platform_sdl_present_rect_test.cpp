// Where frames are drawn in the window and how points map back.
#include <gtest/gtest.h>

#include "platform/present_rect.h"

namespace morv {
namespace {

void expectRect(const PresentRect& r, int x, int y, int w, int h) {
    EXPECT_EQ(r.x, x);
    EXPECT_EQ(r.y, y);
    EXPECT_EQ(r.width, w);
    EXPECT_EQ(r.height, h);
}

TEST(PresentRect, FitsTheFrameWithBordersOnTheSpareSides) {
    // 4:3 on 16:9: bars left and right.
    expectRect(fitKeepingAspect(640, 480, 1920, 1080), 240, 0, 1440, 1080);
    // 4:3 on 5:4: bars above and below.
    expectRect(fitKeepingAspect(640, 480, 1280, 1024), 0, 32, 1280, 960);
    // Same aspect: the whole output, scaled up or down.
    expectRect(fitKeepingAspect(640, 480, 1024, 768), 0, 0, 1024, 768);
    expectRect(fitKeepingAspect(800, 600, 640, 480), 0, 0, 640, 480);
    // A frame wider than the screen is narrowed and letterboxed.
    expectRect(fitKeepingAspect(1000, 300, 800, 600), 0, 180, 800, 240);
}

TEST(PresentRect, RoundsTheScaledSideAndKeepsItInsideTheOutput) {
    // 640 x 480 on 1366 x 768: 1024 wide exactly; on 1366 x 767: 1022.67 rounds to 1023.
    expectRect(fitKeepingAspect(640, 480, 1366, 768), 171, 0, 1024, 768);
    expectRect(fitKeepingAspect(640, 480, 1366, 767), 171, 0, 1023, 767);
    for (int w = 1; w < 50; ++w) {
        for (int h = 1; h < 50; ++h) {
            PresentRect r = fitKeepingAspect(640, 480, w, h);
            ASSERT_GE(r.x, 0);
            ASSERT_GE(r.y, 0);
            ASSERT_LE(r.x + r.width, w);
            ASSERT_LE(r.y + r.height, h);
            ASSERT_TRUE(r.width == w || r.height == h) << w << "x" << h;
        }
    }
}

TEST(PresentRect, EmptyFrameOrOutputGivesTheWholeOutput) {
    expectRect(fitKeepingAspect(0, 480, 800, 600), 0, 0, 800, 600);
    expectRect(fitKeepingAspect(640, 0, 800, 600), 0, 0, 800, 600);
    expectRect(fitKeepingAspect(640, 480, 0, 0), 0, 0, 0, 0);
}

TEST(WindowToFrame, MapsThroughTheScaledRectangle) {
    PresentRect rect = fitKeepingAspect(640, 480, 1920, 1080);  // (240, 0, 1440, 1080)
    int x = 240, y = 0;
    windowToFrame(rect, 640, 480, x, y);
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);
    x = 240 + 1440 - 1;
    y = 1079;
    windowToFrame(rect, 640, 480, x, y);
    EXPECT_EQ(x, 639);
    EXPECT_EQ(y, 479);
    x = 960;
    y = 540;
    windowToFrame(rect, 640, 480, x, y);
    EXPECT_EQ(x, 320);
    EXPECT_EQ(y, 240);
}

TEST(WindowToFrame, BorderPositionsLandOutsideTheFrame) {
    PresentRect rect = fitKeepingAspect(640, 480, 1920, 1080);
    // One pixel left of the picture is left of column 0, not on it.
    int x = 239, y = 10;
    windowToFrame(rect, 640, 480, x, y);
    EXPECT_LT(x, 0);
    x = 240 + 1440;
    y = 10;
    windowToFrame(rect, 640, 480, x, y);
    EXPECT_GE(x, 640);
    x = 0;
    y = 0;
    windowToFrame(rect, 640, 480, x, y);
    EXPECT_EQ(x, -107);  // floor(-240 * 640 / 1440) = floor(-106.67)
}

TEST(WindowToFrame, IdentityAtTheFrameSizeAndNothingForAnEmptyRectangle) {
    PresentRect rect{0, 0, 640, 480};
    for (int v : {0, 1, 319, 479}) {
        int x = v, y = v;
        windowToFrame(rect, 640, 480, x, y);
        EXPECT_EQ(x, v);
        EXPECT_EQ(y, v);
    }
    int x = 5, y = 6;
    windowToFrame(PresentRect{}, 640, 480, x, y);
    EXPECT_EQ(x, 5);
    EXPECT_EQ(y, 6);
}

}  // namespace
}  // namespace morv
