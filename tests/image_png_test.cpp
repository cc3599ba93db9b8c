// Decoding PNG files with and without their alpha plane.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <zlib.h>

#include "image/image_decoders.h"
#include "support/image_files.h"

namespace morv {
namespace {

using testing::allPixels;
using testing::Bgr;
using testing::PngPicture;
using testing::writePng;

std::optional<DecodedImage> decode(const std::string& bytes, AlphaPlane* alpha = nullptr) {
    std::string error;
    auto image = readPng(bytes, alpha, error);
    EXPECT_EQ(error, "");
    return image;
}

std::string refusal(const std::string& bytes) {
    std::string error;
    AlphaPlane alpha;
    EXPECT_FALSE(readPng(bytes, &alpha, error));
    EXPECT_EQ(alpha.width, 0);
    return error;
}

PngPicture rgbPicture() {
    // 3 x 2: red, green, blue / white, black, grey.
    return PngPicture{3, 2, PNG_COLOR_TYPE_RGB, 8, false, {},
                   {{255, 0, 0, 0, 255, 0, 0, 0, 255}, {255, 255, 255, 0, 0, 0, 128, 128, 128}}};
}

const std::vector<Bgr> kRgbPixels = {{0, 0, 255},       {0, 255, 0}, {255, 0, 0},
                                     {255, 255, 255}, {0, 0, 0},   {128, 128, 128}};

TEST(PngReader, RgbComesOutBlueGreenRedBottomRowFirstWithZeroPadding) {
    for (bool interlaced : {false, true}) {
        PngPicture picture = rgbPicture();
        picture.interlaced = interlaced;
        AlphaPlane alpha;
        auto image = decode(writePng(picture), &alpha);
        ASSERT_TRUE(image);
        EXPECT_EQ(image->width, 3);
        EXPECT_EQ(image->height, 2);
        EXPECT_EQ(allPixels(*image), kRgbPixels);
        // Rows of 9 bytes padded to 12; the bottom row (white, black, grey) comes first.
        ASSERT_EQ(image->pixels.size(), 24u);
        EXPECT_EQ(image->pixels[0], 255);
        EXPECT_THAT(std::vector<uint8_t>(image->pixels.begin() + 9, image->pixels.begin() + 12),
                    ::testing::Each(0));
        EXPECT_EQ(alpha.width, 0) << "no alpha channel, no plane";
    }
}

TEST(PngReader, AlphaIsKeptTopRowFirstOrStripped) {
    PngPicture picture{2, 2, PNG_COLOR_TYPE_RGB_ALPHA, 8, false, {},
                 {{10, 20, 30, 0, 40, 50, 60, 64}, {70, 80, 90, 128, 100, 110, 120, 255}}};
    const std::string bytes = writePng(picture);
    const std::vector<Bgr> colors = {{30, 20, 10}, {60, 50, 40}, {90, 80, 70}, {120, 110, 100}};

    AlphaPlane alpha;
    auto kept = decode(bytes, &alpha);
    ASSERT_TRUE(kept);
    EXPECT_EQ(allPixels(*kept), colors);
    EXPECT_EQ(kept->pixels.size(), 16u) << "24-bit rows of 6 bytes padded to 8";
    EXPECT_EQ(alpha.width, 2);
    EXPECT_EQ(alpha.height, 2);
    EXPECT_EQ(alpha.values, (std::vector<uint8_t>{0, 64, 128, 255}));

    auto stripped = decode(bytes);
    ASSERT_TRUE(stripped);
    EXPECT_EQ(allPixels(*stripped), colors);
}

TEST(PngReader, GreyIsExpandedWithOrWithoutAlpha) {
    auto grey = decode(writePng({2, 1, PNG_COLOR_TYPE_GRAY, 8, false, {}, {{0, 200}}}));
    ASSERT_TRUE(grey);
    EXPECT_EQ(allPixels(*grey), (std::vector<Bgr>{{0, 0, 0}, {200, 200, 200}}));

    // One-bit grey: 1 0 1 packed into the high bits.
    auto bits = decode(writePng({3, 1, PNG_COLOR_TYPE_GRAY, 1, false, {}, {{0b10100000}}}));
    ASSERT_TRUE(bits);
    EXPECT_EQ(allPixels(*bits), (std::vector<Bgr>{{255, 255, 255}, {0, 0, 0}, {255, 255, 255}}));

    AlphaPlane alpha;
    auto greyAlpha = decode(writePng({2, 1, PNG_COLOR_TYPE_GRAY_ALPHA, 8, false, {}, {{50, 0, 150, 77}}}), &alpha);
    ASSERT_TRUE(greyAlpha);
    EXPECT_EQ(allPixels(*greyAlpha), (std::vector<Bgr>{{50, 50, 50}, {150, 150, 150}}));
    EXPECT_EQ(alpha.values, (std::vector<uint8_t>{0, 77}));
}

TEST(PngReader, SixteenBitChannelsAreCutToEight) {
    auto image = decode(writePng({1, 1, PNG_COLOR_TYPE_RGB, 16, false, {}, {{0x12, 0x34, 0xAB, 0xCD, 0xFF, 0xFF}}}));
    ASSERT_TRUE(image);
    EXPECT_EQ(allPixels(*image), (std::vector<Bgr>{{0xFF, 0xAB, 0x12}}));
}

TEST(PngReader, PalettedPicturesAreExpandedThroughThePalette) {
    const std::vector<png_color> palette = {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}};
    const Bgr c0{3, 2, 1}, c1{6, 5, 4}, c2{9, 8, 7};

    auto eight = decode(writePng({3, 1, PNG_COLOR_TYPE_PALETTE, 8, false, palette, {{2, 0, 1}}}));
    ASSERT_TRUE(eight);
    EXPECT_EQ(allPixels(*eight), (std::vector<Bgr>{c2, c0, c1}));

    // Four bits: high nibble first; an odd width leaves the last low nibble unused.
    auto four = decode(writePng({3, 2, PNG_COLOR_TYPE_PALETTE, 4, false, palette, {{0x21, 0x00}, {0x12, 0x20}}}));
    ASSERT_TRUE(four);
    EXPECT_EQ(allPixels(*four), (std::vector<Bgr>{c2, c1, c0, c1, c2, c2}));

    // One bit: most significant bit first.
    const std::vector<png_color> twoColors(palette.begin(), palette.begin() + 2);
    auto one = decode(writePng({10, 1, PNG_COLOR_TYPE_PALETTE, 1, false, twoColors, {{0b10110000, 0b01000000}}}));
    ASSERT_TRUE(one);
    EXPECT_EQ(allPixels(*one), (std::vector<Bgr>{c1, c0, c1, c1, c0, c0, c0, c0, c0, c1}));

    // An index past the palette's end gives black.
    auto outside = decode(writePng({2, 1, PNG_COLOR_TYPE_PALETTE, 8, false, palette, {{7, 1}}}));
    ASSERT_TRUE(outside);
    EXPECT_EQ(allPixels(*outside), (std::vector<Bgr>{{0, 0, 0}, c1}));

    // A paletted picture has no alpha channel.
    AlphaPlane alpha;
    ASSERT_TRUE(decode(writePng({1, 1, PNG_COLOR_TYPE_PALETTE, 8, false, palette, {{0}}}), &alpha));
    EXPECT_EQ(alpha.width, 0);
}

TEST(PngReader, TwoBitPaletteIsRefused) {
    const std::vector<png_color> palette = {{1, 2, 3}, {4, 5, 6}};
    EXPECT_EQ(refusal(writePng({4, 1, PNG_COLOR_TYPE_PALETTE, 2, false, palette, {{0b00011011}}})), "error");
}

// Replaces a chunk's data bytes and recomputes its CRC so that only the content is wrong.
void patchChunk(std::string& png, size_t dataStart, size_t at, const std::string& bytes) {
    png.replace(dataStart + at, bytes.size(), bytes);
    const uint32_t length = static_cast<uint8_t>(png[dataStart - 8]) << 24 | static_cast<uint8_t>(png[dataStart - 7]) << 16 |
                            static_cast<uint8_t>(png[dataStart - 6]) << 8 | static_cast<uint8_t>(png[dataStart - 5]);
    const uint32_t crc =
        crc32(0, reinterpret_cast<const Bytef*>(png.data() + dataStart - 4), static_cast<uInt>(length + 4));
    for (int i = 0; i < 4; ++i) png[dataStart + length + i] = static_cast<char>(crc >> (24 - 8 * i));
}

TEST(PngReader, DamagedFilesAreRefusedWithTheirTexts) {
    const std::string good = writePng(rgbPicture());
    EXPECT_EQ(refusal(""), "Not a PNG");
    EXPECT_EQ(refusal("BM not a png at all"), "Not a PNG");
    EXPECT_EQ(refusal(good.substr(0, 7)), "Not a PNG");

    // Truncated anywhere after the signature.
    for (size_t cut : {size_t{8}, size_t{20}, size_t{33}, good.size() / 2, good.size() - 13}) {
        EXPECT_EQ(refusal(good.substr(0, cut)), "error") << "cut at " << cut;
    }
    // A damaged checksum of the header chunk.
    std::string badCrc = good;
    badCrc[29] ^= 0x55;
    EXPECT_EQ(refusal(badCrc), "error");
    // Damaged compressed data with a valid checksum.
    std::string badData = good;
    const size_t idat = badData.find("IDAT") + 4;
    patchChunk(badData, idat, 2, "\xFF\xFF\xFF\xFF");
    EXPECT_EQ(refusal(badData), "error");
    // Absurd dimensions are refused before any pixel memory is taken.
    // (A side past 16384, or 12000 x 12000: more pixels than any picture may have.)
    for (const char* size : {"\x00\x01\x00\x00\x00\x00\x00\x01", "\x7F\xFF\xFF\xFF\x7F\xFF\xFF\xFF",
                             "\x00\x00\x40\x01\x00\x00\x00\x01", "\x00\x00\x2E\xE0\x00\x00\x2E\xE0"}) {
        std::string huge = good;
        patchChunk(huge, 16, 0, std::string(size, 8));
        EXPECT_EQ(refusal(huge), "error");
    }
}

}  // namespace
}  // namespace morv
