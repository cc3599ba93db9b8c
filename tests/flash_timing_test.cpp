// Flash frames on the engine's clock, and the show and finished operations.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "display/surface.h"
#include "flash/flash_show.h"
#include "platform/file_resolver.h"
#include "platform/message_boxes.h"
#include "support/swf_builder.h"
#include "support/temp_dir.h"

namespace morv {
namespace {

using testing::SwfWriter;

std::string framesMovie(int frames, double rate, bool stopAtSecond = false) {
    SwfWriter swf(8, 8, rate);
    for (int i = 0; i < frames; ++i) {
        if (stopAtSecond && i == 1) swf.stop();
        swf.showFrame();
    }
    return swf.file('C');
}

TEST(FlashTiming, FrameNIsShownAtNOverTheRate) {
    Surface target(PixelFormat::Xrgb8888, nullptr);
    target.create(8, 8);
    const uint32_t start = 4'294'967'000u;  // the tick counter wraps during the movie
    auto player = FlashPlayer::open(framesMovie(6, 12.5, false), {0, 0, 8, 8}, start);
    ASSERT_NE(player, nullptr);
    EXPECT_EQ(player->lastFrame(), 5);
    EXPECT_TRUE(player->update(start, target));
    EXPECT_EQ(player->shownFrame(), 0);
    EXPECT_FALSE(player->update(start + 79, target));  // 80 ms per frame at 12.5 frames a second
    EXPECT_TRUE(player->update(start + 80, target));
    EXPECT_EQ(player->shownFrame(), 1);
    EXPECT_TRUE(player->update(start + 330, target));
    EXPECT_EQ(player->shownFrame(), 4);
    EXPECT_FALSE(player->showsLastFrame());
    EXPECT_TRUE(player->update(start + 400, target));
    EXPECT_TRUE(player->showsLastFrame());
    // Long after the end the last frame stays: it is not drawn again.
    EXPECT_FALSE(player->update(start + 100'000, target));
    EXPECT_EQ(player->shownFrame(), 5);
}

TEST(FlashTiming, LateTickJumpsToTheFrameDueWithoutPassingTheEnd) {
    Surface target(PixelFormat::Xrgb8888, nullptr);
    target.create(8, 8);
    auto player = FlashPlayer::open(framesMovie(4, 10, false), {0, 0, 8, 8}, 0);
    ASSERT_NE(player, nullptr);
    EXPECT_TRUE(player->update(5000, target));
    EXPECT_EQ(player->shownFrame(), 3);
    EXPECT_TRUE(player->showsLastFrame());
}

class FakeMessages : public MessageBoxes {
public:
    void error(const std::string& text) override { errors.push_back(text); }
    bool question(const std::string&) override { return true; }
    std::string input(const std::string&) override { return {}; }
    std::vector<std::string> errors;
};

class FlashShowTest : public ::testing::Test {
protected:
    FlashShowTest() : files(dir.path()), show(files, messages) { target.create(8, 8); }
    testing::TempDir dir;
    FileResolver files;
    FakeMessages messages;
    FlashShow show;
    Surface target{PixelFormat::Xrgb8888, nullptr};
};

TEST_F(FlashShowTest, FinishesOnceTheLastFrameShowsAndIsThenGone) {
    dir.write("Movies/Logo.swf", framesMovie(3, 10));
    ASSERT_TRUE(show.show(".\\movies\\LOGO.SWF", {0, 0, 8, 8}, false, 1000));
    EXPECT_FALSE(show.covered());
    show.update(1000, target);
    EXPECT_FALSE(show.finished(target));
    show.update(1100, target);
    EXPECT_FALSE(show.finished(target));
    show.update(1200, target);
    EXPECT_TRUE(show.finished(target));
    EXPECT_FALSE(show.playing());
    EXPECT_TRUE(messages.errors.empty());
}

TEST_F(FlashShowTest, WhatTheAnimationCoveredComesBackWhenItEnds) {
    SwfWriter swf(4, 4, 10);
    swf.background({255, 0, 0, 255});
    swf.showFrame();
    swf.showFrame();
    dir.write("red.swf", swf.file());
    target.fill(0x00ff00);
    ASSERT_TRUE(show.show("red.swf", {2, 2, 6, 6}, true, 0));
    ASSERT_TRUE(show.update(0, target));
    EXPECT_EQ(target.row(3)[4 * 3 + 2], 0xff);  // red inside the rectangle
    show.stop(&target);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) ASSERT_EQ(reinterpret_cast<const uint32_t*>(target.row(y))[x], 0x00ff00u);
    EXPECT_FALSE(show.playing());
}

TEST_F(FlashShowTest, StopActionEndsTheMovieEarly) {
    dir.write("stop.swf", framesMovie(10, 10, true));
    ASSERT_TRUE(show.show("stop.swf", {0, 0, 8, 8}, true, 0));
    EXPECT_TRUE(show.covered());
    EXPECT_EQ(show.player()->lastFrame(), 1);
    show.update(0, target);
    EXPECT_FALSE(show.finished(target));
    show.update(100, target);
    EXPECT_TRUE(show.finished(target));
    EXPECT_FALSE(show.covered());
}

TEST_F(FlashShowTest, MissingOrUnplayableFileDoesNotStart) {
    EXPECT_FALSE(show.show(".\\intro.swf", {0, 0, 8, 8}, true, 0));
    ASSERT_EQ(messages.errors.size(), 1u);
    const std::string& text = messages.errors[0];
    EXPECT_TRUE(text.ends_with("/intro.swf를 찾을 수 없습니다.")) << text;
    EXPECT_TRUE(text.starts_with("/")) << text;
    EXPECT_FALSE(show.playing());
    EXPECT_FALSE(show.covered());

    dir.write("broken.swf", "FWS\x0a garbage");
    EXPECT_FALSE(show.show("broken.swf", {0, 0, 8, 8}, true, 0));
    EXPECT_EQ(messages.errors.size(), 1u);
    EXPECT_FALSE(show.covered());
}

}  // namespace
}  // namespace morv
