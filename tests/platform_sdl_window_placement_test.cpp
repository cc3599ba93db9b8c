// Where the game window first appears on the desktop.
#include <gtest/gtest.h>

#include "platform/window_placement.h"

namespace morv {
namespace {

TEST(WindowPlacement, FirstPlacementSitsAboveTheMiddle) {
    WindowPoint p = initialWindowPosition(1024, 768);
    EXPECT_EQ(p.x, 192);
    EXPECT_EQ(p.y, 94);
    p = initialWindowPosition(1920, 1080);
    EXPECT_EQ(p.x, 640);
    EXPECT_EQ(p.y, 250);
    // A screen smaller than the window gives a corner off the screen, put right later.
    p = initialWindowPosition(640, 480);
    EXPECT_EQ(p.x, 0);
    EXPECT_EQ(p.y, -50);
}

TEST(WindowPlacement, TitleBarIsPulledOntoTheWorkArea) {
    // Client at y 10 under a 30-pixel title bar, work area from (0, 0): the bar was above the screen.
    WindowPoint kept = keepOnWorkArea(WindowPoint{-50, 10}, 30, 0, 0);
    EXPECT_EQ(kept.x, 0);
    EXPECT_EQ(kept.y, 30);
    // A work area below a 24-pixel panel.
    kept = keepOnWorkArea(WindowPoint{100, 40}, 30, 0, 24);
    EXPECT_EQ(kept.x, 100);
    EXPECT_EQ(kept.y, 54);
    // A window already on the work area stays where it is, to the pixel.
    kept = keepOnWorkArea(WindowPoint{5, 54}, 30, 5, 24);
    EXPECT_EQ(kept.x, 5);
    EXPECT_EQ(kept.y, 54);
    // Right and bottom edges are not its business.
    kept = keepOnWorkArea(WindowPoint{5000, 5000}, 30, 0, 0);
    EXPECT_EQ(kept.x, 5000);
    EXPECT_EQ(kept.y, 5000);
}

}  // namespace
}  // namespace morv
