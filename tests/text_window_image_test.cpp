// The generated text-window background.
#include <gtest/gtest.h>

#include "display/window_blend.h"
#include "display/window_image.h"
#include "surface_test_pixels.h"

namespace morv {
namespace {

const ConfigColor kColor1 = configColor(32, 32, 160);
const ConfigColor kColor2 = configColor(192, 192, 255);

struct Channels {
    int r, g, b;
};

Channels channelsAt(ConfigColor c, PixelFormat format) {
    int r = c & 0xFF, g = c >> 8 & 0xFF, b = c >> 16 & 0xFF;
    if (format == PixelFormat::Rgb565) return {r >> 3, g >> 2, b >> 3};
    return {r, g, b};
}

uint32_t pack(PixelFormat format, int r, int g, int b) {
    return format == PixelFormat::Rgb565 ? static_cast<uint32_t>(r << 11 | g << 5 | b)
                                         : static_cast<uint32_t>(r << 16 | g << 8 | b);
}

// channel = c1 x a / n + c2 x b / n for every channel, terms divided separately.
uint32_t expected(PixelFormat format, int a, int b, int n) {
    Channels c1 = channelsAt(kColor1, format), c2 = channelsAt(kColor2, format);
    return pack(format, c1.r * a / n + c2.r * b / n, c1.g * a / n + c2.g * b / n, c1.b * a / n + c2.b * b / n);
}

class WindowImageTest : public ::testing::TestWithParam<PixelFormat> {};

TEST_P(WindowImageTest, EachGradationFollowsItsFormula) {
    const PixelFormat format = GetParam();
    const int w = 5, h = 4;  // an odd width: at 16 bits the last word holds one pixel
    WindowImage none(w, h, format, kColor1, kColor2, WindowImage::None);
    WindowImage vertical(w, h, format, kColor1, kColor2, WindowImage::Vertical);
    WindowImage horizontal(w, h, format, kColor1, kColor2, WindowImage::Horizontal);
    WindowImage topLeft(w, h, format, kColor1, kColor2, WindowImage::FromTopLeft);
    WindowImage bottomLeft(w, h, format, kColor1, kColor2, WindowImage::FromBottomLeft);
    WindowImage invalid(w, h, format, kColor1, kColor2, 7);
    const int D = 7;  // isqrt(2 x 5 x 5 = 50)
    const int isqrt[] = {0, 1, 1, 1, 2, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 4, 4, 4, 4, 4, 4, 4, 4, 4, 5, 5, 5, 5, 5, 5,
                         5, 5, 5, 5, 5, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 7, 7};
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            SCOPED_TRACE(::testing::Message() << "x " << x << " y " << y);
            EXPECT_EQ(none.pixel(x, y), expected(format, 1, 0, 1));
            EXPECT_EQ(invalid.pixel(x, y), expected(format, 1, 0, 1));
            EXPECT_EQ(vertical.pixel(x, y), expected(format, h - y, y, h));
            EXPECT_EQ(horizontal.pixel(x, y), expected(format, w - x, x, w));
            int yy = y * w / h;
            int d = isqrt[x * x + yy * yy];
            EXPECT_EQ(topLeft.pixel(x, y), expected(format, D - d, d, D));
            yy = w * (h - y) / h;
            d = isqrt[x * x + yy * yy];
            EXPECT_EQ(bottomLeft.pixel(x, y), expected(format, D - d, d, D));
        }
    }
    // The vertical gradation never reaches color 2: its last row is c1 x 1 / h + c2 x (h - 1) / h.
    EXPECT_NE(vertical.pixel(0, h - 1), expected(format, 0, 1, 1));
}

TEST(WindowImage, SixteenBitPairsPutTheLeftPixelInTheLowHalf) {
    WindowImage image(3, 2, PixelFormat::Rgb565, kColor1, kColor2, WindowImage::Horizontal);
    EXPECT_EQ(image.pitch(), 8);
    uint32_t word;
    std::memcpy(&word, image.row(1), 4);
    EXPECT_EQ(word & 0xFFFF, image.pixel(0, 1));
    EXPECT_EQ(word >> 16, image.pixel(1, 1));
    EXPECT_NE(image.pixel(0, 1), image.pixel(1, 1));
}

INSTANTIATE_TEST_SUITE_P(BothDepths, WindowImageTest, ::testing::Values(PixelFormat::Rgb565, PixelFormat::Xrgb8888));

TEST(IntegerSquareRoot, Truncates) {
    EXPECT_EQ(integerSquareRoot(0), 0u);
    EXPECT_EQ(integerSquareRoot(50), 7u);
    EXPECT_EQ(integerSquareRoot(49), 7u);
    EXPECT_EQ(integerSquareRoot(48), 6u);
    EXPECT_EQ(integerSquareRoot(2ull * 640 * 640), 905u);
}

}  // namespace
}  // namespace morv
