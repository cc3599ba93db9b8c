// Decoding BMP files of every supported depth, and refusing damaged ones.
#include <gtest/gtest.h>

#include <climits>

#include "image/image_decoders.h"
#include "support/image_files.h"

namespace morv {
namespace {

using testing::allPixels;
using testing::Bgr;
using testing::putU16;
using testing::putU32;

struct BmpPicture {
    int width = 1;
    int height = 1;  // negative: top row first
    int bits = 24;
    uint32_t compression = 0;
    std::vector<uint32_t> palette;  // 0x00RRGGBB
    std::vector<uint32_t> masks;    // red, green, blue after the header
    std::string pixels;
    int planes = 1;
};

std::string bmpFile(const BmpPicture& picture) {
    std::string info;
    putU32(info, 40);
    putU32(info, static_cast<uint32_t>(picture.width));
    putU32(info, static_cast<uint32_t>(picture.height));
    putU16(info, picture.planes);
    putU16(info, picture.bits);
    putU32(info, picture.compression);
    putU32(info, static_cast<uint32_t>(picture.pixels.size()));
    putU32(info, 0);
    putU32(info, 0);
    putU32(info, static_cast<uint32_t>(picture.palette.size()));
    putU32(info, 0);
    for (uint32_t mask : picture.masks) putU32(info, mask);
    for (uint32_t color : picture.palette) putU32(info, color);
    std::string file = "BM";
    putU32(file, static_cast<uint32_t>(14 + info.size() + picture.pixels.size()));
    putU32(file, 0);
    putU32(file, static_cast<uint32_t>(14 + info.size()));
    return file + info + picture.pixels;
}

// Rows given as bytes, each padded with zeros to a multiple of 4.
std::string paddedRows(std::initializer_list<std::string> rows) {
    std::string out;
    for (const std::string& row : rows) {
        out += row;
        out.append((4 - row.size() % 4) % 4, '\0');
    }
    return out;
}

std::string bytes(std::initializer_list<int> values) {
    std::string out;
    for (int v : values) out += static_cast<char>(v);
    return out;
}

const Bgr kRed{0, 0, 255}, kGreen{0, 255, 0}, kBlue{255, 0, 0}, kWhite{255, 255, 255}, kBlack{};

TEST(BmpReader, TrueColorRowsBottomUpOrTopDown) {
    // Stored bottom row first: blue, white below red, green.
    const std::string rows24 = paddedRows({bytes({255, 0, 0, 255, 255, 255}), bytes({0, 0, 255, 0, 255, 0})});
    auto bottomUp = readBmp(bmpFile({2, 2, 24, 0, {}, {}, rows24}));
    ASSERT_TRUE(bottomUp);
    EXPECT_EQ(allPixels(*bottomUp), (std::vector<Bgr>{kRed, kGreen, kBlue, kWhite}));

    auto topDown = readBmp(bmpFile({2, -2, 24, 0, {}, {}, rows24}));
    ASSERT_TRUE(topDown);
    EXPECT_EQ(allPixels(*topDown), (std::vector<Bgr>{kBlue, kWhite, kRed, kGreen}));

    // 32 bits: blue, green, red, spare.
    auto wide = readBmp(bmpFile({2, 1, 32, 0, {}, {}, bytes({1, 2, 3, 99, 4, 5, 6, 99})}));
    ASSERT_TRUE(wide);
    EXPECT_EQ(allPixels(*wide), (std::vector<Bgr>{{1, 2, 3}, {4, 5, 6}}));
    // 32 bits with bit fields in another order: red in the low byte.
    auto fields = readBmp(bmpFile({1, 1, 32, 3, {}, {0xFF, 0xFF00, 0xFF0000}, bytes({10, 20, 30, 0})}));
    ASSERT_TRUE(fields);
    EXPECT_EQ(allPixels(*fields), (std::vector<Bgr>{{30, 20, 10}}));
}

TEST(BmpReader, SixteenBitPixelsAs555Or565) {
    // 555 by default: white 0x7FFF, red 0x7C00; rows of 4 bytes need no padding.
    auto plain = readBmp(bmpFile({2, 1, 16, 0, {}, {}, bytes({0xFF, 0x7F, 0x00, 0x7C})}));
    ASSERT_TRUE(plain);
    EXPECT_EQ(allPixels(*plain), (std::vector<Bgr>{kWhite, kRed}));
    // 565 bit fields: red 0xF800, green 0x07E0, blue 0x001F; one grey-ish 0x8410.
    auto fields = readBmp(bmpFile({4, 1, 16, 3, {}, {0xF800, 0x07E0, 0x001F},
                                   bytes({0x00, 0xF8, 0xE0, 0x07, 0x1F, 0x00, 0x10, 0x84})}));
    ASSERT_TRUE(fields);
    EXPECT_EQ(allPixels(*fields), (std::vector<Bgr>{kRed, kGreen, kBlue, {131, 129, 131}}));
}

TEST(BmpReader, IndexedPixelsGoThroughThePalette) {
    const std::vector<uint32_t> palette = {0xFF0000, 0x00FF00, 0x0000FF};
    auto eight = readBmp(bmpFile({4, 1, 8, 0, palette, {}, bytes({2, 1, 0, 200})}));
    ASSERT_TRUE(eight);
    // Index 200 lies past the three colors: black.
    EXPECT_EQ(allPixels(*eight), (std::vector<Bgr>{kBlue, kGreen, kRed, kBlack}));

    auto four = readBmp(bmpFile({3, 1, 4, 0, palette, {}, bytes({0x21, 0x00, 0, 0})}));
    ASSERT_TRUE(four);
    EXPECT_EQ(allPixels(*four), (std::vector<Bgr>{kBlue, kGreen, kRed}));

    auto one = readBmp(bmpFile({9, 2, 1, 0, {0x000000, 0xFFFFFF}, {},
                                paddedRows({bytes({0xFF, 0x80}), bytes({0b10100000, 0x00})})}));
    ASSERT_TRUE(one);
    std::vector<Bgr> expected = {kWhite, kBlack, kWhite};
    expected.resize(9, kBlack);
    expected.resize(18, kWhite);
    EXPECT_EQ(allPixels(*one), expected);
}

TEST(BmpReader, RunLengthEncodedPixels) {
    const std::vector<uint32_t> palette = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF};
    // 4 x 3, bottom row first: a run of three 1s, end of line; an absolute run of
    // 3, 2, 1 (padded to an even count), end of line; a delta of (2, 0), one 3,
    // a run of five 2s of which only one fits, end of bitmap.
    const std::string rle8 = bytes({3, 1, 0, 0, 0, 3, 3, 2, 1, 0, 0, 0, 0, 2, 2, 0, 1, 3, 5, 2, 0, 1});
    auto eight = readBmp(bmpFile({4, 3, 8, 1, palette, {}, rle8}));
    ASSERT_TRUE(eight);
    const Bgr r = kRed, g = kGreen, b = kBlue, k = kBlack;
    EXPECT_EQ(allPixels(*eight), (std::vector<Bgr>{k, k, b, g,  //
                                                   b, g, r, k,  //
                                                   r, r, r, k}));

    // Four bits: a run alternates the two nibbles; an absolute run of 3 takes two
    // bytes (padded to an even count), then end of bitmap.
    const std::string rle4 = bytes({3, 0x12, 0, 0, 0, 3, 0x31, 0x20, 0, 1});
    auto four = readBmp(bmpFile({3, 2, 4, 2, palette, {}, rle4}));
    ASSERT_TRUE(four);
    EXPECT_EQ(allPixels(*four), (std::vector<Bgr>{b, r, g, r, g, r}));
}

TEST(BmpReader, MalformedFilesAreRefused) {
    const std::string row = bytes({1, 2, 3, 0});
    EXPECT_TRUE(readBmp(bmpFile({1, 1, 24, 0, {}, {}, row})));
    std::string good = bmpFile({1, 1, 24, 0, {}, {}, row});
    EXPECT_FALSE(readBmp(good.substr(0, good.size() - 1))) << "truncated pixels";
    EXPECT_FALSE(readBmp(good.substr(0, 30))) << "truncated header";
    EXPECT_FALSE(readBmp("")) << "empty";
    std::string notBm = good;
    notBm[0] = 'X';
    EXPECT_FALSE(readBmp(notBm));
    std::string farOffset = good;
    farOffset[10] = static_cast<char>(0xF0);
    EXPECT_FALSE(readBmp(farOffset)) << "pixels past the end";
    std::string hugeHeader = good;
    hugeHeader[15] = 0x10;
    EXPECT_FALSE(readBmp(hugeHeader)) << "header larger than the file";

    for (int width : {0, -1, 16385, INT_MAX, INT_MIN}) {
        EXPECT_FALSE(readBmp(bmpFile({width, 1, 24, 0, {}, {}, row}))) << "width " << width;
    }
    for (int height : {0, 16385, -16385, INT_MAX, INT_MIN}) {
        EXPECT_FALSE(readBmp(bmpFile({1, height, 24, 0, {}, {}, row}))) << "height " << height;
    }
    // 8192 x 8192 is accepted as a size but the pixels are missing; 16384 x 16384
    // has more pixels than any picture may have.
    EXPECT_FALSE(readBmp(bmpFile({8192, 8192, 24, 0, {}, {}, row})));
    EXPECT_FALSE(readBmp(bmpFile({16384, 16384, 24, 0, {}, {}, row})));
    EXPECT_FALSE(readBmp(bmpFile({1, 1, 7, 0, {}, {}, row}))) << "bit count";
    EXPECT_FALSE(readBmp(bmpFile({1, 1, 24, 0, {}, {}, row, 2}))) << "planes";
    EXPECT_FALSE(readBmp(bmpFile({1, 1, 24, 3, {}, {1, 2, 4}, row}))) << "bit fields on 24 bits";
    EXPECT_FALSE(readBmp(bmpFile({1, 1, 24, 4, {}, {}, row}))) << "JPEG compression";
    EXPECT_FALSE(readBmp(bmpFile({1, 1, 4, 1, {0}, {}, bytes({0, 1})}))) << "RLE8 on 4 bits";
    EXPECT_FALSE(readBmp(bmpFile({1, -1, 8, 1, {0}, {}, bytes({0, 1})}))) << "top-down RLE";
    // Run-length data that stops before the end of the bitmap.
    EXPECT_FALSE(readBmp(bmpFile({2, 2, 8, 1, {0}, {}, bytes({2, 0, 0, 0})})));
    EXPECT_FALSE(readBmp(bmpFile({2, 2, 8, 1, {0}, {}, bytes({0, 5, 1, 1})})));
    EXPECT_FALSE(readBmp(bmpFile({2, 2, 8, 1, {0}, {}, bytes({0, 2, 1})})));
    // Deltas far past the picture end it safely.
    EXPECT_TRUE(readBmp(bmpFile({2, 2, 8, 1, {0}, {}, bytes({0, 2, 255, 255, 9, 0})})));
}

TEST(ArchiveBmpReader, ReadsTwentyFourBitRowsAfterTheFixedHeaders) {
    const std::string rows = paddedRows({bytes({255, 0, 0}), bytes({0, 0, 255})});
    auto image = readArchiveBmp(bmpFile({1, 2, 24, 0, {}, {}, rows}));
    ASSERT_TRUE(image);
    EXPECT_EQ(allPixels(*image), (std::vector<Bgr>{kRed, kBlue}));
    // A negative height stores the top row first.
    auto topDown = readArchiveBmp(bmpFile({1, -2, 24, 0, {}, {}, rows}));
    ASSERT_TRUE(topDown);
    EXPECT_EQ(allPixels(*topDown), (std::vector<Bgr>{kBlue, kRed}));

    const std::string file = bmpFile({1, 2, 24, 0, {}, {}, rows});
    EXPECT_FALSE(readArchiveBmp(file.substr(0, file.size() - 1)));
    EXPECT_FALSE(readArchiveBmp(file.substr(0, 53)));
    EXPECT_FALSE(readArchiveBmp(bmpFile({0, 2, 24, 0, {}, {}, rows})));
    EXPECT_FALSE(readArchiveBmp(bmpFile({70000, 70000, 24, 0, {}, {}, rows})));
    EXPECT_FALSE(readArchiveBmp(bmpFile({1, INT_MIN, 24, 0, {}, {}, rows})));
}

}  // namespace
}  // namespace morv
