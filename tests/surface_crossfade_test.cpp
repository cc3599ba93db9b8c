// Crossfade frames against the rule at both depths.
#include <gtest/gtest.h>

#include <random>

#include "display/crossfade.h"
#include "surface_test_pixels.h"

namespace morv {
namespace {

using test::pixelAt;
using test::setPixel;

// Channel by channel, as written: 32 bits both terms rounded down; 16 bits the
// old term rounded up.
uint32_t expectedMix(uint32_t a, uint32_t b, uint32_t w, PixelFormat format) {
    const uint32_t h = 32 - w;
    if (format == PixelFormat::Xrgb8888) {
        uint32_t out = 0;
        for (int shift : {0, 8, 16}) {
            uint32_t va = (a >> shift) & 0xFF, vb = (b >> shift) & 0xFF;
            out |= (((va * h) >> 5) + ((vb * w) >> 5)) << shift;
        }
        return out;
    }
    struct Field { int shift; uint32_t mask; };
    uint32_t out = 0;
    for (Field f : {Field{0, 0x1F}, Field{5, 0x3F}, Field{11, 0x1F}}) {
        uint32_t va = (a >> f.shift) & f.mask, vb = (b >> f.shift) & f.mask;
        out |= (((va * h + 31) >> 5) + ((vb * w) >> 5)) << f.shift;
    }
    return out;
}

class CrossfadeTest : public ::testing::TestWithParam<PixelFormat> {};

TEST_P(CrossfadeTest, EveryWeightMatchesThePerChannelFormula) {
    const PixelFormat format = GetParam();
    const uint32_t valueMask = format == PixelFormat::Rgb565 ? 0xFFFFu : 0xFFFFFFFFu;
    Surface oldS(format, nullptr), newS(format, nullptr), out(format, nullptr);
    ASSERT_EQ(oldS.create(37, 5), 0);
    ASSERT_EQ(newS.create(37, 5), 0);
    ASSERT_EQ(out.create(37, 5), 0);
    std::mt19937 random(7);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 37; ++x) {
            setPixel(oldS, x, y, random() & valueMask);
            setPixel(newS, x, y, random() & valueMask);
        }
    // Extremes that would carry between channels if the terms were not kept apart.
    setPixel(oldS, 0, 0, valueMask);
    setPixel(newS, 0, 0, valueMask);

    for (int w = 0; w <= 32; ++w) {
        crossfadeStep(out, oldS, newS, w);
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 37; ++x)
                ASSERT_EQ(pixelAt(out, x, y),
                          expectedMix(pixelAt(oldS, x, y), pixelAt(newS, x, y), static_cast<uint32_t>(w), format))
                    << "w=" << w << " at " << x << "," << y;
    }
}

TEST_P(CrossfadeTest, EndWeightsGiveTheTwoPicturesExactly) {
    const PixelFormat format = GetParam();
    Surface oldS(format, nullptr), newS(format, nullptr), out(format, nullptr);
    ASSERT_EQ(oldS.create(3, 2), 0);
    ASSERT_EQ(newS.create(3, 2), 0);
    ASSERT_EQ(out.create(3, 2), 0);
    oldS.fill(0x8040C0);
    newS.fill(0x17F3A5);
    crossfadeStep(out, oldS, newS, 32);
    EXPECT_EQ(pixelAt(out, 2, 1), pixelAt(newS, 2, 1));
    crossfadeStep(out, oldS, newS, 0);
    EXPECT_EQ(pixelAt(out, 2, 1), pixelAt(oldS, 2, 1));
}

// Every 16-bit value meets every weight, once as the old and once as the new
// pixel (the partner runs through all values in another order).
TEST(Crossfade565Test, EveryPixelValueAndWeightMatchesThePerChannelFormula) {
    Surface oldS(PixelFormat::Rgb565, nullptr), newS(PixelFormat::Rgb565, nullptr), out(PixelFormat::Rgb565, nullptr);
    ASSERT_EQ(oldS.create(256, 256), 0);
    ASSERT_EQ(newS.create(256, 256), 0);
    ASSERT_EQ(out.create(256, 256), 0);
    for (uint32_t v = 0; v < 0x10000; ++v) {
        setPixel(oldS, static_cast<int>(v & 255), static_cast<int>(v >> 8), v);
        setPixel(newS, static_cast<int>(v & 255), static_cast<int>(v >> 8), (v * 40503u + 12345u) & 0xFFFF);
    }
    for (uint32_t w = 0; w <= 32; ++w) {
        crossfadeStep(out, oldS, newS, static_cast<int>(w));
        for (int y = 0; y < 256; ++y)
            for (int x = 0; x < 256; ++x)
                ASSERT_EQ(pixelAt(out, x, y), expectedMix(pixelAt(oldS, x, y), pixelAt(newS, x, y), w, PixelFormat::Rgb565))
                    << "w=" << w << " at " << x << "," << y;
    }
}

INSTANTIATE_TEST_SUITE_P(BothDepths, CrossfadeTest, ::testing::Values(PixelFormat::Rgb565, PixelFormat::Xrgb8888),
                         [](const auto& info) { return info.param == PixelFormat::Rgb565 ? "Rgb565" : "Xrgb8888"; });

}  // namespace
}  // namespace morv
