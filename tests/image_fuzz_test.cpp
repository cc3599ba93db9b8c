// The image decoders fed damaged files.
#include <gtest/gtest.h>

#include <random>

#include "image/image_decoders.h"
#include "support/image_files.h"

namespace morv {
namespace {

using testing::PngPicture;
using testing::putU16;
using testing::putU32;

std::string bmpWithHeader(int width, int height, int bits, uint32_t compression, const std::string& extra,
                          const std::string& pixels) {
    std::string info;
    putU32(info, 40);
    putU32(info, width);
    putU32(info, height);
    putU16(info, 1);
    putU16(info, bits);
    putU32(info, compression);
    info.append(20, '\0');
    std::string file = "BM";
    putU32(file, static_cast<uint32_t>(14 + info.size() + extra.size() + pixels.size()));
    putU32(file, 0);
    putU32(file, static_cast<uint32_t>(14 + info.size() + extra.size()));
    return file + info + extra + pixels;
}

// Valid files of several kinds to damage.
std::vector<std::string> seedFiles() {
    std::vector<std::string> seeds;
    seeds.push_back(testing::writePng(PngPicture{3, 2, PNG_COLOR_TYPE_RGB_ALPHA, 8, false, {},
                                              {std::vector<uint8_t>(12, 90), std::vector<uint8_t>(12, 200)}}));
    seeds.push_back(testing::writePng(PngPicture{5, 3, PNG_COLOR_TYPE_PALETTE, 4, true, {{1, 2, 3}, {4, 5, 6}},
                                              {{0x01, 0x10, 0x00}, {0x11, 0x00, 0x10}, {0x10, 0x01, 0x00}}}));
    seeds.push_back(bmpWithHeader(3, 2, 24, 0, "", std::string(24, '\x7F')));
    seeds.push_back(bmpWithHeader(4, -2, 8, 0, std::string(8, '\x40'), std::string(8, '\x01')));
    seeds.push_back(bmpWithHeader(5, 3, 8, 1, std::string(8, '\x40'),
                                  std::string("\x03\x01\x00\x00\x00\x03\x01\x00\x01\x00\x00\x02\x01\x01\x02\x01\x00\x01", 18)));
    seeds.push_back(bmpWithHeader(5, 3, 4, 2, std::string(8, '\x40'),
                                  std::string("\x05\x10\x00\x00\x00\x05\x01\x23\x40\x00\x00\x01", 12)));
    seeds.push_back(bmpWithHeader(2, 2, 16, 3, std::string("\x00\xF8\0\0\xE0\x07\0\0\x1F\0\0\0", 12),
                                  std::string(8, '\x55')));
    return seeds;
}

// True for a decoded picture, which must then be consistent.
bool expectWellFormed(const std::optional<DecodedImage>& image) {
    if (!image) return false;
    EXPECT_GT(image->width, 0);
    EXPECT_GT(image->height, 0);
    EXPECT_EQ(image->pixels.size(), image->rowBytes() * image->height);
    return true;
}

// Damaged and random inputs never read or write out of bounds (the sanitizers
// watch) and never produce an inconsistent picture.
TEST(ImageDecoderFuzz, DamagedAndRandomBytesAreHandledSafely) {
    std::mt19937 random(20240611);
    const std::vector<std::string> seeds = seedFiles();
    for (const std::string& seed : seeds) {
        std::string error;
        EXPECT_TRUE(readPng(seed, nullptr, error) || readBmp(seed)) << "seed files decode";
    }
    int decoded = 0;
    for (int round = 0; round < 3000; ++round) {
        std::string bytes;
        const int kind = round % 4;
        if (kind == 3) {
            bytes.resize(random() % 200);
            for (char& c : bytes) c = static_cast<char>(random());
            if (round % 8 == 3 && bytes.size() > 2) bytes.replace(0, 2, "BM");
        } else {
            bytes = seeds[random() % seeds.size()];
            const int flips = 1 + random() % 4;
            for (int i = 0; i < flips; ++i) bytes[random() % bytes.size()] = static_cast<char>(random());
            if (kind == 2) bytes.resize(random() % bytes.size());
        }
        std::string error;
        AlphaPlane alpha;
        auto png = readPng(bytes, &alpha, error);
        if (expectWellFormed(png) && alpha.width) {
            EXPECT_EQ(alpha.values.size(), static_cast<size_t>(alpha.width) * alpha.height);
        }
        decoded += expectWellFormed(png) + expectWellFormed(readBmp(bytes)) + expectWellFormed(readArchiveBmp(bytes));
    }
    // Many damaged files still decode (a flipped pixel byte is harmless), many do not.
    EXPECT_GT(decoded, 300);
    EXPECT_LT(decoded, 6000);
}

}  // namespace
}  // namespace morv
