// Frames of each transition family at both depths.
#include "effects/effect_frames.h"
#include "effects_test_fixture.h"

namespace morv::test {
namespace {

class EffectsFamilyTest : public EffectsTest {};

// Every pair of old and new channel values at every weight: the 16-bit old term
// is rounded up, the new one down, and no field spills into its neighbour.
TEST(EffectsFadeTest, SixteenBitFadeNeverCarriesBetweenChannels) {
    Surface oldS(PixelFormat::Rgb565, nullptr), newS(PixelFormat::Rgb565, nullptr), out(PixelFormat::Rgb565, nullptr);
    for (Surface* s : {&oldS, &newS, &out}) ASSERT_EQ(s->create(64, 64), 0);
    auto pixel = [](int v) { return static_cast<uint32_t>((v & 31) << 11 | v << 5 | (v >> 1)); };
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) setPixel(oldS, x, y, pixel(x)), setPixel(newS, x, y, pixel(y));
    for (int i = 1; i <= 32; ++i) {
        fadeFrame(out, oldS, newS, i);
        for (int y = 0; y < 64; ++y) {
            for (int x = 0; x < 64; ++x) {
                const uint32_t p = pixelAt(out, x, y);
                const auto mix = [i](int a, int b) { return static_cast<uint32_t>(((a * (32 - i) + 31) >> 5) + ((b * i) >> 5)); };
                ASSERT_EQ(p >> 11, mix(x & 31, y & 31)) << i;
                ASSERT_EQ((p >> 5) & 63, mix(x, y)) << i;
                ASSERT_EQ(p & 31, mix(x >> 1, y >> 1)) << i;
            }
        }
    }
}

TEST(EffectsFadeTest, ThirtyTwoBitFadeMixesEachChannelAndClearsTheSpareByte) {
    Surface oldS(PixelFormat::Xrgb8888, nullptr), newS(PixelFormat::Xrgb8888, nullptr),
        out(PixelFormat::Xrgb8888, nullptr);
    for (Surface* s : {&oldS, &newS, &out}) ASSERT_EQ(s->create(256, 256), 0);
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x)
            setPixel(oldS, x, y, 0xFF000000u | x * 0x010101u), setPixel(newS, x, y, y * 0x010101u);
    for (int i : {1, 13, 31, 32}) {
        fadeFrame(out, oldS, newS, i);
        for (int y = 0; y < 256; y += 3) {
            for (int x = 0; x < 256; ++x) {
                const uint32_t c = static_cast<uint32_t>(((x * (32 - i)) >> 5) + ((y * i) >> 5));
                ASSERT_EQ(pixelAt(out, x, y), c * 0x010101u) << i;
            }
        }
    }
}

TEST_P(EffectsFamilyTest, QuakeShiftsByAShrinkingOffset) {
    EXPECT_EQ(quakeOffset(32, 0), 32);
    EXPECT_EQ(quakeOffset(32, 1), 32);
    EXPECT_EQ(quakeOffset(32, 2), 31);
    EXPECT_EQ(quakeOffset(32, 31), 2);
    makeCanvas(48, 8);
    run(18, 0);  // HQUAKE without amplitude: 32
    ASSERT_EQ(presents(), 32u);
    // Frame 0 to the left, frame 1 to the right, black where the picture left.
    EXPECT_EQ(shownAt(0, 0, 3), oldAt(32, 3));
    EXPECT_EQ(shownAt(0, 16, 3), 0u);
    EXPECT_EQ(shownAt(1, 32, 3), oldAt(0, 3));
    EXPECT_EQ(shownAt(1, 31, 3), 0u);
    EXPECT_EQ(shownAt(2, 0, 3), oldAt(31, 3));
    EXPECT_EQ(shownAt(31, 2, 3), oldAt(0, 3));

    makeCanvas(48, 40);
    run(20, 0, 4);  // CQUAKE: right and down, left and down, left and up, right and up
    EXPECT_EQ(shownAt(0, 4, 4), oldAt(0, 0));
    EXPECT_EQ(shownAt(1, 0, 4), oldAt(4, 0));
    EXPECT_EQ(shownAt(2, 0, 0), oldAt(3, 3));  // from frame 2 on: (33 - i) P / 32
    EXPECT_EQ(shownAt(3, 3, 0), oldAt(0, 3));
}

TEST_P(EffectsFamilyTest, BlindRevealsOneLineOfEveryStripe) {
    makeCanvas(40, 48);  // default stripe 48 / 16 = 3, also across
    run(6, 0);
    ASSERT_EQ(presents(), 3u);
    for (int x = 0; x < 40; ++x) {
        // 32 bits: columns 39, 36, ...; 16 bits: pairs 19, 18, ... (a stripe of 3 spans 1 pair).
        const bool revealed = is16() ? true : (39 - x) % 3 == 0;
        EXPECT_EQ(shownAt(0, x, 7), revealed ? newAt(x, 7) : oldAt(x, 7)) << x;
    }
}

TEST_P(EffectsFamilyTest, SixteenBitBlindsWorkOnPixelPairs) {
    makeCanvas(16, 4);
    run(6, 0, 4);  // LBLIND, pair period 2
    ASSERT_EQ(presents(), is16() ? 4u : 4u);
    for (int x = 0; x < 16; ++x) {
        const bool revealed = is16() ? (x / 2) % 2 == 1 : x % 4 == 3;
        EXPECT_EQ(shownAt(0, x, 1), revealed ? newAt(x, 1) : oldAt(x, 1)) << x;
    }
    // One-pixel stripes cannot halve into pairs: every pair opens at once.
    makeCanvas(16, 4);
    run(7, 0, 1);
    EXPECT_EQ(presents(), 1u);
    EXPECT_EQ(frames()[0], newPicture);
}

TEST_P(EffectsFamilyTest, MosaicBlocksAtTheEdgeComeOutDarker) {
    makeCanvas(21, 13);
    stage().fill(0xC8C8C8);
    const uint32_t full = pixelAt(stage(), 0, 0);
    const uint32_t channel = is16() ? (full >> 5) & 63 : full & 0xFF;
    run(26, 0);
    ASSERT_EQ(presents(), 16u);
    auto green = [this](uint32_t p) { return is16() ? (p >> 5) & 63 : (p >> 8) & 0xFF; };
    // Frame 16: blocks of 2; the last column and row are cut to 1 pixel.
    EXPECT_EQ(shownAt(15, 0, 0), full);
    EXPECT_EQ(green(shownAt(15, 20, 0)), (2 * channel) >> 2);
    EXPECT_EQ(green(shownAt(15, 20, 12)), channel >> 2);
    // Frame 9: one 256-pixel block cut to 21 x 13.
    EXPECT_EQ(green(shownAt(8, 5, 5)), (21 * 13 * channel) >> 16);
    // Frame 1: blocks of 2 from four scene pixels, the second column limited to the last.
    const uint32_t a = oldAt(20, 0), b = oldAt(20, 1);
    auto blue = [this](uint32_t p) { return is16() ? p & 31 : p & 0xFF; };
    EXPECT_EQ(blue(shownAt(0, 20, 0)), (2 * blue(a) + 2 * blue(b)) >> 2);
}

TEST_P(EffectsFamilyTest, ZoomFramesOutsideTheScreenShowOnlyTheStillPicture) {
    EXPECT_EQ(zoomRect(1, 0, 40, 20), zoomRect(1, 1, 40, 20));
    EXPECT_EQ(zoomRect(1, 0, 40, 20), (Rect{19, 9, 20, 10}));
    EXPECT_EQ(zoomRect(2, 1, 40, 20), (Rect{-1, -1, 40, 20}));
    makeCanvas(40, 20);
    run(23, 0);
    EXPECT_EQ(frames()[0], oldPicture);
    EXPECT_EQ(frames()[1], newPicture);
}

TEST_P(EffectsFamilyTest, MoveSlidesTheOldPictureOutThenTheNewOneIn) {
    makeCanvas(40, 8);
    run(28, 0, 10);  // RMOVE: 4 steps a phase
    ASSERT_EQ(presents(), 8u);
    EXPECT_EQ(frames()[0], oldPicture);
    EXPECT_EQ(shownAt(1, 0, 2), oldAt(10, 2));
    EXPECT_EQ(shownAt(1, 35, 2), oldAt(35, 2));  // uncovered: keeps what was there
    EXPECT_EQ(shownAt(4, 39, 2), newAt(0, 2));
    EXPECT_EQ(shownAt(5, 29, 2), newAt(0, 2));
}

// Values that never let an effect advance end it in its final state.
TEST_P(EffectsFamilyTest, DegenerateParametersEndInTheFinalState) {
    for (int number : {27, 29}) {
        makeCanvas(16, 8);
        run(number, 1000, 0);
        EXPECT_EQ(presents(), 0u);
        EXPECT_EQ(pixelsOf(scene()), newPicture);
    }
    makeCanvas(16, 8);
    run(27, 1000, -3);
    EXPECT_EQ(pixelsOf(frame()), newPicture);

    makeCanvas(16, 8);
    run(14, 1000, 0);  // a curtain band of no width
    EXPECT_EQ(presents(), 0u);
    EXPECT_EQ(pixelsOf(frame()), newPicture);

    makeCanvas(16, 8);
    run(7, 0, 1 << 30);  // a stripe far wider than the screen stops at its edge
    EXPECT_EQ(presents(), is16() ? 8u : 16u);
    EXPECT_EQ(pixelsOf(frame()), newPicture);

    makeCanvas(16, 8);
    run(25, 1000, 0);  // ROTATE to 0 degrees: the one frame at 0
    EXPECT_EQ(presents(), 1u);
    EXPECT_EQ(pixelAt(scene(), 3, 3), oldAt(3, 3));
    EXPECT_EQ(pixelAt(scene(), 15, 3), 0u);
    EXPECT_EQ(pixelsOf(stage()), pixelsOf(frame()));
}

TEST_P(EffectsFamilyTest, ScrollWithoutAMovableImageEndsAtOnce) {
    makeCanvas(16, 8);
    frame().fill(0x102030);
    const std::vector<uint32_t> before = pixelsOf(frame());
    run(1, 1000, 0);  // no scroll image
    EXPECT_EQ(presents(), 0u);
    EXPECT_EQ(pixelsOf(scene()), before);
    EXPECT_EQ(pixelsOf(stage()), before);

    makeCanvas(16, 8);
    makeScrollImage(16, 8, [](int, int) { return 0x00FF00u; });
    run(2, 1000, 0);  // no travel: the image is shown where it stands
    EXPECT_EQ(presents(), 0u);
    EXPECT_EQ(pixelAt(scene(), 9, 4), screenColorToPixel(0x00FF00, scene().format()));
    makeCanvas(16, 8);
    frame().fill(0x102030);
    makeScrollImage(8, 4, [](int, int) { return 0x0000FFu; });
    run(3, 1000, 0);  // smaller than the screen: nothing of it fits
    EXPECT_EQ(pixelsOf(scene()), before);
}

INSTANTIATE_TEST_SUITE_P(Depths, EffectsFamilyTest, ::testing::Values(16, 32), depthName);

}  // namespace
}  // namespace morv::test
