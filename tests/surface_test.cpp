// Surfaces: pixel colors, fills, blits, stretches and color keys.
#include <gtest/gtest.h>

#include "display/pixel_color.h"
#include "display/surface.h"
#include "image_test_support.h"
#include "platform/headless/headless_platform.h"
#include "surface_test_pixels.h"

namespace morv {
namespace {

using test::pixelAt;
using test::setPixel;

TEST(PixelColorTest, ScreenAndConfigurationColorsConvertToBothDepths) {
    EXPECT_EQ(screenColorToPixel(0xFF00FF, PixelFormat::Rgb565), 0xF81Fu);
    EXPECT_EQ(screenColorToPixel(0xFF00FF, PixelFormat::Xrgb8888), 0x00FF00FFu);
    EXPECT_EQ(screenColorToPixel(0xFFFFFF, PixelFormat::Rgb565), 0xFFFFu);
    // Only the top 5, 6 and 5 bits of each channel survive.
    EXPECT_EQ(screenColorToPixel(0x0F0703, PixelFormat::Rgb565), 0x0820u);
    EXPECT_EQ(screenColorToPixel(0x080400, PixelFormat::Rgb565), (1u << 11) | (1u << 5));
    EXPECT_EQ(configColorToPixel(configColor(0x12, 0x34, 0x56), PixelFormat::Xrgb8888), 0x123456u);
    EXPECT_EQ(configColorToPixel(configColor(255, 0, 0), PixelFormat::Rgb565), 0xF800u);
    EXPECT_EQ(configColorToPixel(configColor(0, 0, 255), PixelFormat::Rgb565), 0x001Fu);
}

class SurfaceTest : public ::testing::TestWithParam<PixelFormat> {
protected:
    PixelFormat format() const { return GetParam(); }
    uint32_t raw(uint32_t screenColor) const { return screenColorToPixel(screenColor, format()); }

    HeadlessPlatform platform;
    test::MemoryImageSource source{platform.messages()};
};

TEST_P(SurfaceTest, FillCoversEveryPixelOfOddWidths) {
    Surface s(format(), nullptr);
    ASSERT_EQ(s.create(7, 3), 0);
    EXPECT_GE(s.pitch(), 7 * bytesPerPixel(format()));
    EXPECT_EQ(s.pitch() % 4, 0);
    ASSERT_EQ(s.fill(0xFF00FF), 0);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 7; ++x) ASSERT_EQ(pixelAt(s, x, y), format() == PixelFormat::Rgb565 ? 0xF81Fu : 0x00FF00FFu);
}

TEST_P(SurfaceTest, RectangleFillsOutsideTheSurfaceWriteNothing) {
    Surface s(format(), nullptr);
    ASSERT_EQ(s.create(8, 8), 0);
    EXPECT_EQ(s.fillRect({2, 2, 4, 5}, 0xFFFFFF), 0);
    EXPECT_EQ(pixelAt(s, 2, 2), raw(0xFFFFFF));
    EXPECT_EQ(pixelAt(s, 3, 4), raw(0xFFFFFF));
    EXPECT_EQ(pixelAt(s, 4, 4), 0u);
    EXPECT_EQ(pixelAt(s, 3, 5), 0u);
    EXPECT_LT(s.fillRect({6, 6, 9, 8}, 0x123456), 0);
    EXPECT_LT(s.fillRect({-1, 0, 2, 2}, 0x123456), 0);
    EXPECT_LT(s.fillRect({3, 3, 3, 5}, 0x123456), 0);
    EXPECT_EQ(pixelAt(s, 7, 7), 0u);
    EXPECT_EQ(pixelAt(s, 0, 0), 0u);
}

TEST_P(SurfaceTest, OperationsWithoutStorageOrWithBadArgumentsFail) {
    Surface empty(format(), nullptr);
    Surface other(format(), nullptr);
    ASSERT_EQ(other.create(2, 2), 0);
    EXPECT_EQ(empty.fill(0), Surface::kNoStorage);
    EXPECT_EQ(empty.setColorKey(Surface::kOwnTopLeftKey), Surface::kNoStorage);
    EXPECT_EQ(empty.drawAt(0, 0, other), Surface::kNoStorage);
    EXPECT_EQ(other.drawAt(0, 0, empty), Surface::kNoStorage);
    EXPECT_FALSE(empty.lock());
    EXPECT_EQ(empty.create(0, 5), Surface::kInvalidArgument);
    EXPECT_EQ(empty.create(1 << 20, 1 << 12), Surface::kNoStorage);
    EXPECT_FALSE(empty.valid());
    EXPECT_EQ(other.createFromImage("a.bmp", 0), Surface::kInvalidArgument);
}

TEST_P(SurfaceTest, ColorKeyFromTopLeftPixelOrConfigurationColor) {
    Surface s(format(), nullptr);
    ASSERT_EQ(s.create(2, 2), 0);
    s.fill(0x00FF00);
    EXPECT_FALSE(s.hasColorKey());
    ASSERT_EQ(s.setColorKey(Surface::kOwnTopLeftKey), 0);
    EXPECT_TRUE(s.hasColorKey());
    EXPECT_EQ(s.colorKey(), raw(0x00FF00));
    ASSERT_EQ(s.setColorKey(configColor(255, 0, 255)), 0);
    EXPECT_EQ(s.colorKey(), raw(0xFF00FF));
    ASSERT_EQ(s.setColorKey(configColor(0x10, 0x20, 0x30)), 0);
    EXPECT_EQ(s.colorKey(), raw(0x102030));
}

TEST_P(SurfaceTest, KeyedCopySkipsKeyPixelsWhereverTheyAre) {
    Surface target(format(), nullptr), source(format(), nullptr);
    ASSERT_EQ(target.create(4, 4), 0);
    ASSERT_EQ(source.create(3, 3), 0);
    target.fill(0x0000FF);
    source.fill(0xFF00FF);
    source.fillRect({1, 1, 2, 2}, 0xFFFFFF);
    source.fillRect({2, 0, 3, 1}, 0x00FF00);
    source.setColorKey(Surface::kOwnTopLeftKey);

    ASSERT_EQ(target.copy(source, true), 0);
    EXPECT_EQ(pixelAt(target, 0, 0), raw(0x0000FF));
    EXPECT_EQ(pixelAt(target, 1, 1), raw(0xFFFFFF));
    EXPECT_EQ(pixelAt(target, 2, 0), raw(0x00FF00));
    EXPECT_EQ(pixelAt(target, 2, 2), raw(0x0000FF));

    ASSERT_EQ(target.copy(source, false), 0);
    EXPECT_EQ(pixelAt(target, 0, 0), raw(0xFF00FF));
    EXPECT_EQ(pixelAt(target, 3, 3), raw(0x0000FF));

    // A copy that does not fit is refused as a whole.
    Surface big(format(), nullptr);
    ASSERT_EQ(big.create(5, 2), 0);
    EXPECT_LT(target.copy(big, false), 0);
    EXPECT_EQ(pixelAt(target, 0, 0), raw(0xFF00FF));
}

TEST(SurfaceKeyTest, KeyIgnoresTheSpareByteOf32BitPixels) {
    Surface target(PixelFormat::Xrgb8888, nullptr), source(PixelFormat::Xrgb8888, nullptr);
    ASSERT_EQ(target.create(2, 1), 0);
    ASSERT_EQ(source.create(2, 1), 0);
    setPixel(source, 0, 0, 0x00123456);
    setPixel(source, 1, 0, 0xAB123456);
    source.setColorKey(Surface::kOwnTopLeftKey);
    target.fill(0x777777);
    target.drawAt(0, 0, source);
    EXPECT_EQ(pixelAt(target, 0, 0), 0x777777u);
    EXPECT_EQ(pixelAt(target, 1, 0), 0x777777u);
}

TEST_P(SurfaceTest, DrawAtCutsNegativeOffsetsAndFarEdges) {
    Surface target(format(), nullptr), source(format(), nullptr);
    ASSERT_EQ(target.create(20, 10), 0);
    ASSERT_EQ(source.create(30, 12), 0);
    test::paintPositions(source);

    ASSERT_EQ(target.drawAt(-10, -5, source), 0);
    // Column 10, row 5 of the source lands at (0, 0).
    EXPECT_EQ(pixelAt(target, 0, 0), 5u * 100 + 10 + 1);
    EXPECT_EQ(pixelAt(target, 19, 6), 11u * 100 + 29 + 1);
    EXPECT_EQ(pixelAt(target, 19, 9), 0u);  // below the source's last row

    target.fill(0);
    ASSERT_EQ(target.drawAt(18, 8, source), 0);
    EXPECT_EQ(pixelAt(target, 18, 8), 1u);
    EXPECT_EQ(pixelAt(target, 19, 9), 100u + 1 + 1);
    EXPECT_EQ(pixelAt(target, 17, 9), 0u);

    // Wholly outside: nothing, and no failure.
    target.fill(0);
    EXPECT_EQ(target.drawAt(-30, 0, source), 0);
    EXPECT_EQ(target.drawAt(20, 0, source), 0);
    EXPECT_EQ(target.drawAt(0, -12, source), 0);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 20; ++x) ASSERT_EQ(pixelAt(target, x, y), 0u);
}

TEST_P(SurfaceTest, DrawAtClippedHonoursTheClipAndTheSurfaceBounds) {
    Surface target(format(), nullptr), source(format(), nullptr);
    ASSERT_EQ(target.create(10, 10), 0);
    ASSERT_EQ(source.create(6, 6), 0);
    test::paintPositions(source);

    ASSERT_EQ(target.drawAtClipped(1, 1, source, {3, 2, 5, 10}), 0);
    EXPECT_EQ(pixelAt(target, 2, 2), 0u);
    EXPECT_EQ(pixelAt(target, 3, 2), 1u * 100 + 2 + 1);
    EXPECT_EQ(pixelAt(target, 4, 6), 5u * 100 + 3 + 1);
    EXPECT_EQ(pixelAt(target, 5, 6), 0u);
    EXPECT_EQ(pixelAt(target, 3, 1), 0u);

    // A clip rectangle larger than the surface is cut to it.
    target.fill(0);
    ASSERT_EQ(target.drawAtClipped(7, -2, source, {-50, -50, 500, 500}), 0);
    EXPECT_EQ(pixelAt(target, 7, 0), 2u * 100 + 1);
    EXPECT_EQ(pixelAt(target, 9, 3), 5u * 100 + 2 + 1);
}

// Whole rows go as one block when the two surfaces' rows lie alike on cache lines
// (rows 64 pixels wide, or the same rows) and row by row otherwise (10 pixels
// wide, rows moved by one): either way only the rectangle's rows change.
TEST_P(SurfaceTest, WholeRowCopiesTouchOnlyTheRectangleRows) {
    for (const int width : {64, 10}) {
        Surface source(format(), nullptr), target(format(), nullptr);
        ASSERT_EQ(source.create(width, 6), 0);
        ASSERT_EQ(target.create(width, 6), 0);
        test::paintPositions(source);
        target.fill(0x777777);
        const uint32_t untouched = pixelAt(target, 0, 0);

        ASSERT_EQ(target.copyRect(source, {0, 1, width, 4}, {0, 1, width, 4}, false), 0);
        ASSERT_EQ(target.copyRect(source, {0, 4, width, 6}, {0, 3, width, 5}, false), 0);
        for (int x = 0; x < width; ++x) {
            ASSERT_EQ(pixelAt(target, x, 0), untouched) << width << " " << x;
            ASSERT_EQ(pixelAt(target, x, 1), 1u * 100 + x + 1) << width << " " << x;
            ASSERT_EQ(pixelAt(target, x, 2), 2u * 100 + x + 1) << width << " " << x;
            ASSERT_EQ(pixelAt(target, x, 3), 4u * 100 + x + 1) << width << " " << x;
            ASSERT_EQ(pixelAt(target, x, 4), 5u * 100 + x + 1) << width << " " << x;
            ASSERT_EQ(pixelAt(target, x, 5), untouched) << width << " " << x;
        }
    }
}

TEST_P(SurfaceTest, StretchingUsesTheNearestPixel) {
    Surface source(format(), nullptr), target(format(), nullptr);
    ASSERT_EQ(source.create(4, 2), 0);
    test::paintPositions(source);
    ASSERT_EQ(target.create(8, 3), 0);

    // Wider: columns repeat. Narrower: rows are dropped.
    ASSERT_EQ(target.copyRect(source, source.bounds(), {0, 0, 8, 1}, false), 0);
    const uint32_t widened[] = {1, 1, 2, 2, 3, 3, 4, 4};
    for (int x = 0; x < 8; ++x) EXPECT_EQ(pixelAt(target, x, 0), widened[x]) << x;
    ASSERT_EQ(target.copyRect(source, source.bounds(), {0, 1, 2, 3}, false), 0);
    EXPECT_EQ(pixelAt(target, 0, 1), 1u);
    EXPECT_EQ(pixelAt(target, 1, 1), 3u);
    EXPECT_EQ(pixelAt(target, 0, 2), 101u);
    EXPECT_EQ(pixelAt(target, 1, 2), 103u);

    // Stretch into keys by the source's key.
    source.setColorKey(Surface::kOwnTopLeftKey);
    target.fill(0);
    ASSERT_EQ(target.stretchInto({0, 0, 8, 2}, source), 0);
    EXPECT_EQ(pixelAt(target, 0, 0), 0u);
    EXPECT_EQ(pixelAt(target, 2, 0), 2u);
    EXPECT_LT(target.stretchInto({4, 0, 9, 2}, source), 0);
}

TEST_P(SurfaceTest, ImagesLoadStretchedAndScaled) {
    // A 2 x 2 picture: red, green / blue, white.
    const uint32_t colors[2][2] = {{0xFF0000, 0x00FF00}, {0x0000FF, 0xFFFFFF}};
    source.add("four.bmp", test::makeImage(2, 2, [&](int x, int y) { return colors[y][x]; }));
    source.add("tall.PNG", test::solidImage(400, 600, 0x102030));

    Surface s(format(), &source);
    ASSERT_EQ(s.create(4, 4), 0);
    ASSERT_EQ(s.loadImage("four.bmp"), 0);
    EXPECT_FALSE(s.fromPng());
    EXPECT_EQ(pixelAt(s, 1, 1), raw(0xFF0000));
    EXPECT_EQ(pixelAt(s, 2, 1), raw(0x00FF00));
    EXPECT_EQ(pixelAt(s, 1, 2), raw(0x0000FF));
    EXPECT_EQ(pixelAt(s, 3, 3), raw(0xFFFFFF));

    Surface scaled(format(), &source);
    ASSERT_EQ(scaled.createFromImage("tall.PNG", 50), 0);
    EXPECT_EQ(scaled.width(), 200);
    EXPECT_EQ(scaled.height(), 300);
    EXPECT_TRUE(scaled.fromPng());
    EXPECT_EQ(pixelAt(scaled, 199, 299), raw(0x102030));

    Surface sized(format(), &source);
    ASSERT_EQ(sized.createFromImageAtSize("four.bmp", 3, 1), 0);
    EXPECT_EQ(pixelAt(sized, 0, 0), raw(0xFF0000));
    EXPECT_EQ(pixelAt(sized, 2, 0), raw(0x00FF00));
}

TEST_P(SurfaceTest, UnreadableImageIsReportedByNameAndLeavesThePixels) {
    Surface s(format(), &source);
    ASSERT_EQ(s.create(2, 2), 0);
    s.fill(0x123456);
    EXPECT_EQ(s.loadImage("\xBE\xF8\xC0\xBD.bmp"), Surface::kUnreadableImage);  // "없음.bmp"
    ASSERT_EQ(platform.messagesShown().size(), 1u);
    EXPECT_EQ(platform.messagesShown()[0], "없음.bmp 파일을 읽는데 실패했습니다.");
    EXPECT_EQ(pixelAt(s, 1, 1), raw(0x123456));

    Surface created(format(), &source);
    EXPECT_EQ(created.createFromImage("missing.png", 100), Surface::kUnreadableImage);
    EXPECT_FALSE(created.valid());
    EXPECT_EQ(platform.messagesShown().size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(BothDepths, SurfaceTest, ::testing::Values(PixelFormat::Rgb565, PixelFormat::Xrgb8888),
                         [](const auto& info) { return info.param == PixelFormat::Rgb565 ? "Rgb565" : "Xrgb8888"; });

}  // namespace
}  // namespace morv
