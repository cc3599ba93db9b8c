// Anti-aliasing masks and alpha planes of pictures.
#include <gtest/gtest.h>

#include <cstring>

#include "image/antialias_mask.h"
#include "image/mask_blend.h"

namespace morv {
namespace {

// Pixel rows from a picture drawn in text: 'K' is the key color, anything else
// another color. Each row is followed by `slack` unused pixels, as in a pitch.
template <typename Pixel>
std::vector<uint8_t> pictureRows(const std::vector<std::string>& picture, Pixel key, Pixel other, int slack = 1) {
    const size_t width = picture[0].size() + slack;
    std::vector<uint8_t> rows(width * picture.size() * sizeof(Pixel), 0xEE);
    for (size_t y = 0; y < picture.size(); ++y) {
        for (size_t x = 0; x < picture[y].size(); ++x) {
            const Pixel pixel = picture[y][x] == 'K' ? key : other;
            std::memcpy(rows.data() + (y * width + x) * sizeof(Pixel), &pixel, sizeof pixel);
        }
    }
    return rows;
}

template <typename Pixel>
std::vector<uint8_t> maskOf(const std::vector<std::string>& picture, Pixel key, Pixel other) {
    const int width = static_cast<int>(picture[0].size());
    const std::vector<uint8_t> rows = pictureRows(picture, key, other);
    return antialiasMask<Pixel>(rows.data(), (width + 1) * sizeof(Pixel), width, static_cast<int>(picture.size()));
}

// Both pixel formats give the same mask for the same picture.
std::vector<uint8_t> maskOf(const std::vector<std::string>& picture) {
    const std::vector<uint8_t> wide = maskOf<uint32_t>(picture, 0x00FF00FF, 0x00123456);
    EXPECT_EQ(maskOf<uint16_t>(picture, 0xF81F, 0x1234), wide);
    return wide;
}

TEST(AntialiasMask, SinglePixelInsideKeyIsOpaque) {
    // Open ends one pixel away on both sides of every run.
    std::vector<uint8_t> expected(25, 0);
    expected[12] = 255;
    EXPECT_EQ(maskOf({"KKKKK", "KKKKK", "KKoKK", "KKKKK", "KKKKK"}), expected);
}

TEST(AntialiasMask, VerticalLineFadesTowardsItsEnds) {
    // Key on both sides: the vertical run from row 0 to row 6, open at both ends.
    const std::vector<uint8_t> mask = maskOf({"KKKKK", "KKoKK", "KKoKK", "KKoKK", "KKoKK", "KKoKK", "KKKKK"});
    std::vector<uint8_t> column;
    for (int y = 0; y < 7; ++y) column.push_back(mask[y * 5 + 2]);
    EXPECT_EQ(column, (std::vector<uint8_t>{0, 85, 170, 255, 170, 85, 0}));
}

TEST(AntialiasMask, DiagonalEdgeIsHalfCovered) {
    // Each stair step runs from an open end to a stepped one over two pixels.
    EXPECT_EQ(maskOf({"KKKK", "KKKo", "KKoo", "Kooo"}),
              (std::vector<uint8_t>{0, 0, 0, 0,  //
                                    0, 0, 0, 127,  //
                                    0, 0, 127, 255,  //
                                    0, 127, 255, 255}));
}

TEST(AntialiasMask, RunsWithoutAKnownStartReuseThePreviousEdgePixel) {
    // Row 2 runs off both image edges. Its pixel in column 1 reuses the vertical run
    // of the pixel above it; the rest choose an unmeasured vertical run over a
    // horizontal one that runs off the right edge and so counts as negative.
    // Key neighbours in row 0 and column 0 do not count.
    EXPECT_EQ(maskOf({"KKKKK", "KoKKK", "ooooo", "KKKKK"}),
              (std::vector<uint8_t>{0, 0, 0, 0, 0,  //
                                    0, 127, 0, 0, 0,  //
                                    255, 127, 255, 255, 255,  //
                                    0, 0, 0, 0, 0}));
    // With no earlier edge pixel to reuse, such a pixel gets 0.
    EXPECT_EQ(maskOf({"Kooo", "oooo", "KKKK"}), (std::vector<uint8_t>{0, 255, 255, 255,  //
                                                                      255, 0, 0, 0,  //
                                                                      0, 0, 0, 0}));
}

TEST(AntialiasMask, RunBetweenTwoSteppedEndsIsClearestInTheMiddle) {
    const std::vector<uint8_t> mask = maskOf({"KKKKKKK", "KoKKKoK", "KoooooK"});
    EXPECT_EQ(std::vector<uint8_t>(mask.begin() + 16, mask.begin() + 19), (std::vector<uint8_t>{128, 0, 128}));
}

TEST(AntialiasMask, AllKeyPictureIsFullyTransparent) {
    EXPECT_EQ(maskOf({"KKK", "KKK"}), std::vector<uint8_t>(6, 0));
}

TEST(AntialiasMask, KeyComparesTheColorBitsOnly) {
    // The spare byte of a 32-bit pixel does not take part.
    const std::vector<std::string> picture = {"KKK", "KoK", "KKK"};
    const std::vector<uint8_t> rows = pictureRows<uint32_t>(picture, 0x00FF00FF, 0x00123456);
    std::vector<uint8_t> spare = rows;
    spare[3 + 4 * 2] = 0x77;  // pixel (2, 0): key color, spare byte set
    EXPECT_EQ(antialiasMask<uint32_t>(spare.data(), 16, 3, 3), antialiasMask<uint32_t>(rows.data(), 16, 3, 3));
    EXPECT_TRUE(antialiasMask<uint16_t>(rows.data(), 8, 0, 3).empty());
}

template <typename Pixel>
Pixel pixelAt(const std::vector<uint8_t>& rows, size_t pitch, int x, int y) {
    Pixel p;
    std::memcpy(&p, rows.data() + pitch * y + sizeof(Pixel) * x, sizeof p);
    return p;
}

TEST(MaskBlend, BlendsEachChannelAndLeavesOrCopiesAtTheExtremes) {
    // A 3 x 1 region: a = 255, 0 and 128, target 4 pixels wide, source 3.
    const uint8_t mask[3] = {255, 0, 128};
    std::vector<uint8_t> target(16);
    const uint32_t targetPixels[4] = {0xAA000000, 0xAA102030, 0xAA000000, 0xAA405060};
    std::memcpy(target.data(), targetPixels, 16);
    const uint32_t sourcePixels[3] = {0x11FF8040, 0x11FF8040, 0x11FF8040};
    blendWithMask(PixelFormat::Xrgb8888, target.data(), 16, reinterpret_cast<const uint8_t*>(sourcePixels), 12, mask,
                  3, 3, 1);
    EXPECT_EQ(pixelAt<uint32_t>(target, 16, 0, 0), 0x11FF8040u) << "copied whole";
    EXPECT_EQ(pixelAt<uint32_t>(target, 16, 1, 0), 0xAA102030u) << "left alone";
    // (255 x 128 >> 8) = 127, (128 x 128 >> 8) = 64, (64 x 128 >> 8) = 32; spare byte 0.
    EXPECT_EQ(pixelAt<uint32_t>(target, 16, 2, 0), 0x007F4020u);
    EXPECT_EQ(pixelAt<uint32_t>(target, 16, 3, 0), 0xAA405060u) << "outside the region";

    // 16 bits, 2 x 2 region with a mask pitch of 3: white over black at 128, and
    // black over white at 64 (5-bit 31 x 191 >> 8 = 23, 6-bit 63 x 191 >> 8 = 47).
    std::vector<uint8_t> target16(2 * 3 * 2, 0);
    const uint16_t white = 0xFFFF;
    std::memcpy(target16.data() + 6, &white, 2);
    const uint16_t source16[4] = {0xFFFF, 0xFFFF, 0x0000, 0x0000};
    const uint8_t mask16[6] = {128, 0, 9, 64, 255, 9};
    blendWithMask(PixelFormat::Rgb565, target16.data(), 6, reinterpret_cast<const uint8_t*>(source16), 4, mask16, 3,
                  2, 2);
    EXPECT_EQ(pixelAt<uint16_t>(target16, 6, 0, 0), (15 << 11 | 31 << 5 | 15));
    EXPECT_EQ(pixelAt<uint16_t>(target16, 6, 1, 0), 0);
    EXPECT_EQ(pixelAt<uint16_t>(target16, 6, 0, 1), (23 << 11 | 47 << 5 | 23));
    EXPECT_EQ(pixelAt<uint16_t>(target16, 6, 1, 1), 0);
    EXPECT_EQ(pixelAt<uint16_t>(target16, 6, 2, 0), 0) << "outside the region";
}

TEST(AlphaPlaneScaling, TakesTheNearestPixelForThePercent) {
    const AlphaPlane plane{4, 2, {0, 1, 2, 3, 4, 5, 6, 7}};
    EXPECT_EQ(scaleAlphaPlane(plane, 2, 1, 50), (std::vector<uint8_t>{0, 2}));
    EXPECT_EQ(scaleAlphaPlane(plane, 8, 1, 200), (std::vector<uint8_t>{0, 0, 1, 1, 2, 2, 3, 3}));
    EXPECT_EQ(scaleAlphaPlane(plane, 4, 2, 100), plane.values);
    // A surface larger than the plane repeats its last column and row.
    EXPECT_EQ(scaleAlphaPlane(plane, 5, 3, 100),
              (std::vector<uint8_t>{0, 1, 2, 3, 3, 4, 5, 6, 7, 7, 4, 5, 6, 7, 7}));
    EXPECT_TRUE(scaleAlphaPlane(AlphaPlane{}, 2, 2, 100).empty());
}

}  // namespace
}  // namespace morv
