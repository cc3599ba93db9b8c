// Drawing Flash frames: fills, edges, bitmaps, color transforms, masks and sprites.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

#include "display/surface.h"
#include "flash/flash_player.h"
#include "support/swf_builder.h"
#include "surface_test_pixels.h"

namespace morv {
namespace {

using testing::ShapeWriter;
using testing::SwfWriter;

constexpr swf::Rgba kRed{255, 0, 0, 255}, kGreen{0, 255, 0, 255}, kBlue{0, 0, 255, 255};
constexpr uint32_t kWhitePixel = 0xffffff;

// Draws frame `frame` of the movie into a fresh surface of the stage's size.
struct Frame {
    explicit Frame(const std::string& bytes, int width, int height, int frame = 0,
                   PixelFormat format = PixelFormat::Xrgb8888)
        : surface(format, nullptr) {
        surface.create(width, height);
        auto player = FlashPlayer::open(bytes, {0, 0, width, height}, 0);
        if (!player) return;
        // One frame per second: frame n is due at n seconds.
        player->update(static_cast<uint32_t>(frame) * 1000, surface);
        drawn = player->shownFrame() == frame;
    }
    uint32_t at(int x, int y) const { return test::pixelAt(surface, x, y); }
    // The whole frame against a picture given pixel by pixel.
    void expectFrame(const std::function<uint32_t(int, int)>& expected) const {
        for (int y = 0; y < surface.height(); ++y)
            for (int x = 0; x < surface.width(); ++x) ASSERT_EQ(at(x, y), expected(x, y)) << x << "," << y;
    }
    Surface surface;
    bool drawn = false;
};

bool near(uint32_t pixel, uint32_t expected, int tolerance) {
    for (int shift : {0, 8, 16})
        if (std::abs(static_cast<int>(pixel >> shift & 0xff) - static_cast<int>(expected >> shift & 0xff)) > tolerance)
            return false;
    return true;
}

std::string rectangleMovie(int width, int height, swf::Rgba color, int x, int y, int w, int h) {
    SwfWriter swf(width, height, 1);
    swf.background({255, 255, 255, 255});
    ShapeWriter shape;
    shape.rectangle(x * 20, y * 20, w * 20, h * 20, shape.solidFill(color));
    swf.shape(1, shape);
    swf.place(1, 1);
    swf.showFrame();
    return swf.file();
}

TEST(FlashDrawing, SolidRectangleMatchesItsGoldenFrameAtBothDepths) {
    const std::string bytes = rectangleMovie(40, 30, kRed, 10, 5, 20, 20);
    const Frame deep(bytes, 40, 30);
    ASSERT_TRUE(deep.drawn);
    deep.expectFrame([](int x, int y) { return x >= 10 && x < 30 && y >= 5 && y < 25 ? 0xff0000u : kWhitePixel; });
    const Frame shallow(bytes, 40, 30, 0, PixelFormat::Rgb565);
    shallow.expectFrame([](int x, int y) { return x >= 10 && x < 30 && y >= 5 && y < 25 ? 0xf800u : 0xffffu; });
}

TEST(FlashDrawing, StageIsFittedIntoTheRectangleAndNothingElseIsTouched) {
    Surface surface(PixelFormat::Xrgb8888, nullptr);
    surface.create(100, 100);
    surface.fill(0x123456);
    // A 40 x 30 stage wholly red, drawn into 80 x 80 at (10, 10): scaled twice, centred
    // vertically (rows 20 to 79) with background above and below.
    auto player = FlashPlayer::open(rectangleMovie(40, 30, kRed, 0, 0, 40, 30), {10, 10, 90, 90}, 0);
    ASSERT_NE(player, nullptr);
    ASSERT_TRUE(player->update(0, surface));
    EXPECT_EQ(test::pixelAt(surface, 5, 50), 0x123456u);
    EXPECT_EQ(test::pixelAt(surface, 95, 50), 0x123456u);
    EXPECT_EQ(test::pixelAt(surface, 50, 15), kWhitePixel);
    EXPECT_EQ(test::pixelAt(surface, 50, 25), 0xff0000u);
    EXPECT_EQ(test::pixelAt(surface, 50, 79), 0xff0000u);
    EXPECT_EQ(test::pixelAt(surface, 50, 80), kWhitePixel);
    // A rectangle reaching past the surface is clipped to it.
    auto outside = FlashPlayer::open(rectangleMovie(40, 30, kRed, 0, 0, 40, 30), {60, 60, 140, 140}, 0);
    ASSERT_NE(outside, nullptr);
    EXPECT_TRUE(outside->update(0, surface));
    EXPECT_EQ(FlashPlayer::open(rectangleMovie(4, 3, kRed, 0, 0, 4, 3), {0, 0, 0, 10}, 0), nullptr);
}

TEST(FlashDrawing, LinearGradientRunsFromItsFirstColorToItsLast) {
    SwfWriter swf(256, 10, 1);
    ShapeWriter shape;
    // The gradient square (32768 twips wide) scaled onto 256 pixels and centred.
    swf::Matrix m;
    m.a = 256 * 20 / 32768.0;
    m.d = 1;
    m.tx = 128 * 20;
    shape.rectangle(0, 0, 256 * 20, 200, shape.gradientFill(false, m, {{0, {0, 0, 0, 255}}, {255, {255, 255, 255, 255}}}));
    swf.shape(1, shape);
    swf.place(1, 1);
    swf.showFrame();
    const Frame frame(swf.file(), 256, 10);
    ASSERT_TRUE(frame.drawn);
    for (int x : {0, 64, 128, 200, 255}) {
        const uint32_t v = static_cast<uint32_t>(x);
        EXPECT_TRUE(near(frame.at(x, 5), v << 16 | v << 8 | v, 3)) << x << ": " << std::hex << frame.at(x, 5);
    }
}

TEST(FlashDrawing, RadialGradientIsItsFirstColorAtTheCentre) {
    SwfWriter swf(40, 40, 1);
    swf.background({255, 255, 255, 255});
    ShapeWriter shape;
    swf::Matrix m;
    m.a = m.d = 20 * 20 / 16384.0;  // radius of 20 pixels
    m.tx = m.ty = 20 * 20;
    shape.rectangle(0, 0, 800, 800, shape.gradientFill(true, m, {{0, kRed}, {255, kBlue}}));
    swf.shape(1, shape);
    swf.place(1, 1);
    swf.showFrame();
    const Frame frame(swf.file(), 40, 40);
    EXPECT_TRUE(near(frame.at(20, 20), 0xff0000, 16));
    EXPECT_TRUE(near(frame.at(0, 0), 0x0000ff, 0));
    EXPECT_TRUE(near(frame.at(20, 10), 0x7f0080, 16));
}

TEST(FlashDrawing, CurvedEdgeBoundsTheFillAlongTheCurve) {
    // From (40, 0) back to (0, 0) through the control point (20, 40): the parabola
    // y = 80 t (1 - t), 15 pixels deep at x = 10 and 20 deep at x = 20.
    SwfWriter swf(40, 40, 1);
    swf.background({255, 255, 255, 255});
    ShapeWriter shape;
    shape.styles(shape.solidFill(kBlue), 0, 0);
    shape.moveTo(0, 0);
    shape.lineTo(800, 0);
    shape.curveTo(400, 800, 0, 0);
    swf.shape(1, shape);
    swf.place(1, 1);
    swf.showFrame();
    const Frame frame(swf.file(), 40, 40);
    EXPECT_EQ(frame.at(10, 12), 0x0000ffu);
    EXPECT_EQ(frame.at(20, 18), 0x0000ffu);
    EXPECT_EQ(frame.at(10, 18), kWhitePixel);  // inside the control triangle, outside the curve
    EXPECT_EQ(frame.at(20, 22), kWhitePixel);
    EXPECT_EQ(frame.at(2, 10), kWhitePixel);
}

TEST(FlashDrawing, BitmapFillMatchesItsGoldenFrame) {
    SwfWriter swf(20, 20, 1);
    swf.losslessBitmap(7, 2, 2, {0xffff0000u, 0xff00ff00u, 0xff0000ffu, 0xffffff00u});
    ShapeWriter shape;
    swf::Matrix m;
    m.a = m.d = 200;  // each bitmap pixel covers 10 x 10 stage pixels
    shape.rectangle(0, 0, 400, 400, shape.bitmapFill(7, m, false));
    swf.shape(1, shape);
    swf.place(1, 1);
    swf.showFrame();
    const Frame frame(swf.file('C'), 20, 20);
    ASSERT_TRUE(frame.drawn);
    frame.expectFrame([](int x, int y) {
        const uint32_t quadrant[4] = {0xff0000, 0x00ff00, 0x0000ff, 0xffff00};
        return quadrant[(y >= 10) * 2 + (x >= 10)];
    });
}

// A stage filled with bitmap 7 at one stage pixel per bitmap pixel.
std::string bitmapStage(SwfWriter& swf) {
    ShapeWriter shape;
    swf::Matrix m;
    m.a = m.d = 20;
    shape.rectangle(0, 0, 320, 320, shape.bitmapFill(7, m, false));
    swf.shape(1, shape);
    swf.place(1, 1);
    swf.showFrame();
    return swf.file();
}

TEST(FlashDrawing, JpegBitmapsDecodeWithTheirOwnOrSharedTablesAndAlpha) {
    const swf::Rgba orange{240, 128, 32, 255};
    SwfWriter withOwn(16, 16, 1);
    testing::BitWriter own;
    own.u16(7);
    own.bytes(std::string("\xff\xd9\xff\xd8", 4) + testing::jpegOfColor(16, 16, orange));
    withOwn.tag(21, own.data());
    EXPECT_TRUE(near(Frame(bitmapStage(withOwn), 16, 16).at(8, 8), 0xf08020, 6));

    std::string tables;
    const std::string picture = testing::jpegOfColor(16, 16, orange, true, &tables);
    SwfWriter shared(16, 16, 1);
    shared.tag(8, tables);
    testing::BitWriter abbreviated;
    abbreviated.u16(7);
    abbreviated.bytes(picture);
    shared.tag(6, abbreviated.data());
    EXPECT_TRUE(near(Frame(bitmapStage(shared), 16, 16).at(8, 8), 0xf08020, 6));

    // DefineBitsJPEG3: the alpha plane makes the left half transparent.
    SwfWriter withAlpha(16, 16, 1);
    withAlpha.background({0, 0, 255, 255});
    const std::string jpeg = testing::jpegOfColor(16, 16, orange);
    std::string alpha;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) alpha.push_back(x < 8 ? '\0' : '\xff');
    testing::BitWriter three;
    three.u16(7);
    three.u32(static_cast<uint32_t>(jpeg.size()));
    three.bytes(jpeg);
    three.bytes(testing::zlibCompress(alpha));
    withAlpha.tag(35, three.data());
    const Frame frame(bitmapStage(withAlpha), 16, 16);
    EXPECT_EQ(frame.at(3, 8), 0x0000ffu);
    EXPECT_TRUE(near(frame.at(12, 8), 0xf08020, 6));

    // A damaged picture is left out: the shape draws nothing and the movie still plays.
    SwfWriter damaged(16, 16, 1);
    damaged.background({0, 0, 255, 255});
    testing::BitWriter broken;
    broken.u16(7);
    broken.bytes(jpeg.substr(0, jpeg.size() / 3));
    damaged.tag(21, broken.data());
    const Frame blank(bitmapStage(damaged), 16, 16);
    ASSERT_TRUE(blank.drawn);
    EXPECT_EQ(blank.at(8, 8), 0x0000ffu);
}

TEST(FlashDrawing, LinesAreStrokedInTheirColor) {
    SwfWriter swf(20, 20, 1);
    swf.background({255, 255, 255, 255});
    ShapeWriter shape;
    shape.styles(0, 0, shape.lineStyle(40, kGreen));
    shape.moveTo(0, 200);
    shape.lineTo(400, 200);
    swf.shape(1, shape);
    swf.place(1, 1);
    swf.showFrame();
    const Frame frame(swf.file(), 20, 20);
    EXPECT_EQ(frame.at(10, 10), 0x00ff00u);
    EXPECT_EQ(frame.at(10, 9), 0x00ff00u);
    EXPECT_EQ(frame.at(10, 5), kWhitePixel);
}

TEST(FlashDrawing, ColorTransformScalesAlphaAndAddsColor) {
    SwfWriter swf(20, 10, 1);
    swf.background({255, 255, 255, 255});
    ShapeWriter shape;
    shape.rectangle(0, 0, 200, 200, shape.solidFill(kRed));
    swf.shape(1, shape);
    swf::ColorTransform half;
    half.mult[3] = 128;  // half transparent over the white background
    swf.place(1, 1, {}, &half);
    swf::ColorTransform blueAdded;
    blueAdded.add[2] = 255;
    swf::Matrix right;
    right.tx = 200;
    swf.place(2, 1, right, &blueAdded);
    swf.showFrame();
    const Frame frame(swf.file(), 20, 10);
    EXPECT_TRUE(near(frame.at(5, 5), 0xff7f7f, 1)) << std::hex << frame.at(5, 5);
    EXPECT_EQ(frame.at(15, 5), 0xff00ffu);
}

TEST(FlashDrawing, ClipDepthMasksOnlyTheDepthsItCovers) {
    SwfWriter swf(20, 20, 1);
    swf.background({255, 255, 255, 255});
    ShapeWriter mask, full, corner;
    mask.rectangle(0, 0, 200, 400, mask.solidFill(kRed));  // left half
    full.rectangle(0, 0, 400, 400, full.solidFill(kBlue));
    corner.rectangle(300, 300, 100, 100, corner.solidFill(kGreen));
    swf.shape(1, mask);
    swf.shape(2, full);
    swf.shape(3, corner);
    swf.place(1, 1, {}, nullptr, 2);
    swf.place(2, 2);
    swf.place(3, 3);  // above the mask's reach
    swf.showFrame();
    const Frame frame(swf.file(), 20, 20);
    EXPECT_EQ(frame.at(5, 5), 0x0000ffu);   // blue, inside the mask
    EXPECT_EQ(frame.at(15, 5), kWhitePixel);  // blue cut away, and the mask itself never shows
    EXPECT_EQ(frame.at(17, 17), 0x00ff00u);
}

TEST(FlashDrawing, SpriteLoopsInsideTheMainTimeline) {
    SwfWriter swf(10, 10, 1);
    ShapeWriter red, green, blue;
    red.rectangle(0, 0, 200, 200, red.solidFill(kRed));
    green.rectangle(0, 0, 200, 200, green.solidFill(kGreen));
    blue.rectangle(0, 0, 200, 200, blue.solidFill(kBlue));
    swf.shape(1, red);
    swf.shape(2, green);
    swf.shape(3, blue);
    SwfWriter clip(10, 10, 1);
    clip.place(1, 1);
    clip.showFrame();
    clip.remove(1);
    clip.place(1, 2);
    clip.showFrame();
    clip.remove(1);
    clip.place(1, 3);
    clip.showFrame();
    swf.sprite(10, clip);
    swf::Matrix moved;
    moved.tx = 0;
    swf.place(1, 10, moved);
    for (int i = 0; i < 7; ++i) swf.showFrame();
    const std::string bytes = swf.file();
    const uint32_t expected[3] = {0xff0000, 0x00ff00, 0x0000ff};
    for (int frame = 0; frame < 7; ++frame) EXPECT_EQ(Frame(bytes, 10, 10, frame).at(5, 5), expected[frame % 3]) << frame;
}

TEST(FlashDrawing, SpritesPlacingThemselvesStopAtTheNestingAndObjectLimits) {
    SwfWriter swf(10, 10, 1);
    ShapeWriter red;
    red.rectangle(0, 0, 200, 200, red.solidFill(kRed));
    swf.shape(1, red);
    SwfWriter again(10, 10, 1);
    again.place(1, 1);
    again.place(2, 5);
    again.place(3, 5);
    again.showFrame();
    again.showFrame();
    swf.sprite(5, again);
    swf.place(1, 5);
    for (int i = 0; i < 5; ++i) swf.showFrame();
    const std::string bytes = swf.file();
    const Frame frame(bytes, 10, 10, 4);
    ASSERT_TRUE(frame.drawn);
    EXPECT_EQ(frame.at(5, 5), 0xff0000u);
}

}  // namespace
}  // namespace morv
