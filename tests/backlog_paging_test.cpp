// Paging through the review and its scroll bar.
#include <gtest/gtest.h>

#include "display/backlog_paging.h"
#include "display/backlog_scroll_bar.h"

namespace morv {
namespace {

using Hit = BacklogScrollBar::Hit;

TEST(BacklogPaging, LinesPerPageFollowTheScreenGeometry) {
    EXPECT_EQ(BacklogPaging::linesPerPage(480, 6, 24, 6), 14);  // bottoms 70, 100, ..., 460
    EXPECT_EQ(BacklogPaging::linesPerPage(100, 6, 24, 6), 1);
    EXPECT_EQ(BacklogPaging::linesPerPage(474, 0, 24, 0), 18);  // 64 .. 472 in steps of 24
}

TEST(BacklogPaging, MovesStayWithinTheReachableLines) {
    BacklogPaging paging(10);
    BacklogLines lines{5, 40};
    paging.toLastPage(lines);
    EXPECT_EQ(paging.topLine(), 31);
    EXPECT_FALSE(paging.lineDown(lines));
    EXPECT_FALSE(paging.pageDown(lines));
    paging.pageUp(lines);
    EXPECT_EQ(paging.topLine(), 21);
    paging.lineUp(lines);
    EXPECT_EQ(paging.topLine(), 20);
    EXPECT_TRUE(paging.pageDown(lines));  // 30, not past the last page
    EXPECT_EQ(paging.topLine(), 30);
    EXPECT_TRUE(paging.pageDown(lines));
    EXPECT_EQ(paging.topLine(), 31);
    paging.pageUp(lines);
    paging.pageUp(lines);
    paging.pageUp(lines);
    paging.pageUp(lines);
    EXPECT_EQ(paging.topLine(), 5);  // never above the lowest line held
    paging.lineUp(lines);
    EXPECT_EQ(paging.topLine(), 5);
    EXPECT_TRUE(paging.lineDown(lines));
    EXPECT_EQ(paging.topLine(), 6);
    paging.jump(lines, 100);
    EXPECT_EQ(paging.topLine(), 31);
    paging.jump(lines, 1);
    EXPECT_EQ(paging.topLine(), 5);

    BacklogLines few{1, 3};  // fewer lines than a page
    paging.toLastPage(few);
    EXPECT_EQ(paging.topLine(), 1);
    EXPECT_FALSE(paging.lineDown(few));
}

class BacklogScrollBarTest : public ::testing::Test {
protected:
    BacklogScrollBar bar{{608, 40, 640, 480}};
    BacklogPaging paging{14};
    BacklogLines lines{1, 100};
};

TEST_F(BacklogScrollBarTest, ThumbShowsThePageWithinTheTrack) {
    EXPECT_EQ(bar.track(), 376);
    paging.jump(lines, 1);
    EXPECT_EQ(bar.thumb(paging, lines), (Rect{608, 72, 640, 124}));  // 14 x 376 / 100 = 52 long
    paging.toLastPage(lines);
    EXPECT_EQ(bar.thumb(paging, lines).top, 72 + 86 * 376 / 100);
    BacklogLines few{1, 3};
    paging.toLastPage(few);
    EXPECT_EQ(bar.thumb(paging, few), (Rect{608, 72, 640, 448}));  // never longer than the track
}

TEST_F(BacklogScrollBarTest, HitTestNamesEachPart) {
    paging.jump(lines, 50);  // thumb 256 .. 308
    EXPECT_EQ(bar.hitTest(600, 100, paging, lines), Hit::None);
    EXPECT_EQ(bar.hitTest(620, 30, paging, lines), Hit::None);
    EXPECT_EQ(bar.hitTest(620, 40, paging, lines), Hit::LineUp);
    EXPECT_EQ(bar.hitTest(620, 71, paging, lines), Hit::LineUp);
    EXPECT_EQ(bar.hitTest(620, 448, paging, lines), Hit::LineDown);
    EXPECT_EQ(bar.hitTest(620, 255, paging, lines), Hit::PageUp);
    EXPECT_EQ(bar.hitTest(620, 256, paging, lines), Hit::Thumb);
    EXPECT_EQ(bar.hitTest(620, 307, paging, lines), Hit::Thumb);
    EXPECT_EQ(bar.hitTest(620, 308, paging, lines), Hit::PageDown);
}

TEST_F(BacklogScrollBarTest, DraggingKeepsTheThumbInTheTrackAndConvertsBack) {
    paging.jump(lines, 50);
    bar.beginDrag(260, paging, lines);
    bar.dragTo(10000, paging, lines);
    EXPECT_EQ(bar.thumb(paging, lines).top, 448 - 52);
    EXPECT_EQ(bar.endDrag(paging, lines), 87);  // the last page's top line
    EXPECT_FALSE(bar.dragging());
    bar.beginDrag(260, paging, lines);
    bar.dragTo(164, paging, lines);  // thumb top 160
    EXPECT_EQ(bar.endDrag(paging, lines), 1 + (160 - 72) * 100 / 376);
    bar.beginDrag(260, paging, lines);
    bar.dragTo(-50, paging, lines);
    EXPECT_EQ(bar.endDrag(paging, lines), 1);
}

}  // namespace
}  // namespace morv
