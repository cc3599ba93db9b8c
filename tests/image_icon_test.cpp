// Icon and cursor files, and pictures taken as icons or pointer shapes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "image/icon_file.h"
#include "support/image_files.h"

namespace morv::testing {
namespace {

// A bitmap entry: information header (height doubled), palette, color rows and mask rows, bottom row first.
std::string bitmapEntry(int width, int height, int bitCount, const std::string& palette,
                        const std::vector<std::string>& colorRows, const std::vector<std::string>& maskRows) {
    std::string entry;
    putU32(entry, 40);
    putU32(entry, static_cast<uint32_t>(width));
    putU32(entry, static_cast<uint32_t>(height * 2));
    putU16(entry, 1);
    putU16(entry, static_cast<uint32_t>(bitCount));
    for (int i = 0; i < 6; ++i) putU32(entry, 0);
    entry += palette;
    for (const std::string& row : colorRows) entry += row;
    for (const std::string& row : maskRows) entry += row;
    return entry;
}

struct Entry {
    int side;
    int hotX, hotY;
    std::string data;
};

std::string iconFile(const std::vector<Entry>& entries, bool cursor = false) {
    std::string file;
    putU16(file, 0);
    putU16(file, cursor ? 2 : 1);
    putU16(file, static_cast<uint32_t>(entries.size()));
    size_t offset = 6 + 16 * entries.size();
    std::string body;
    for (const Entry& e : entries) {
        file.push_back(static_cast<char>(e.side % 256));
        file.push_back(static_cast<char>(e.side % 256));
        file.push_back(0);
        file.push_back(0);
        putU16(file, static_cast<uint32_t>(e.hotX));
        putU16(file, static_cast<uint32_t>(e.hotY));
        putU32(file, static_cast<uint32_t>(e.data.size()));
        putU32(file, static_cast<uint32_t>(offset + body.size()));
        body += e.data;
    }
    return file + body;
}

std::string bytes(std::initializer_list<int> values) {
    std::string out;
    for (int v : values) out.push_back(static_cast<char>(v));
    return out;
}

// A side x side 1-bit entry, all white and opaque.
std::string whiteEntry(int side) {
    std::string row = bytes({0xFF, 0xFF, 0xFF, 0xFF});
    std::string mask = bytes({0, 0, 0, 0});
    return bitmapEntry(side, side, 1, bytes({0, 0, 0, 0, 255, 255, 255, 0}), std::vector<std::string>(side, row),
                       std::vector<std::string>(side, mask));
}

const uint8_t* pixel(const RgbaPicture& picture, int x, int y) {
    return picture.rgba.data() + (static_cast<size_t>(y) * picture.width + x) * 4;
}

TEST(IconFile, ThirtyTwoBitEntriesKeepTheirAlpha) {
    std::string row = bytes({0, 0, 255, 255, 0, 0, 255, 255, 0, 255, 0, 128, 0, 255, 0, 128});
    auto picture = readIconFile(
        iconFile({{4, 0, 0, bitmapEntry(4, 4, 32, "", std::vector<std::string>(4, row),
                                        std::vector<std::string>(4, bytes({0xFF, 0, 0, 0})))}}),
        32);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->width, 4);
    EXPECT_EQ(picture->height, 4);
    const uint8_t* red = pixel(*picture, 0, 0);
    EXPECT_EQ(std::vector<int>(red, red + 4), (std::vector<int>{255, 0, 0, 255}));
    // The mask says transparent, but an entry with alpha of its own follows its alpha.
    const uint8_t* green = pixel(*picture, 3, 3);
    EXPECT_EQ(std::vector<int>(green, green + 4), (std::vector<int>{0, 255, 0, 128}));
}

TEST(IconFile, CursorsKeepTheirHotSpotAndTheMaskMakesPixelsTransparent) {
    // Rows are stored bottom first: the top row is the second one.
    auto entry = bitmapEntry(8, 2, 1, bytes({0, 0, 0, 0, 255, 255, 255, 0}),
                             {bytes({0xAA, 0, 0, 0}), bytes({0x55, 0, 0, 0})},
                             {bytes({0x0F, 0, 0, 0}), bytes({0xF0, 0, 0, 0})});
    auto picture = readIconFile(iconFile({{8, 3, 1, entry}}, true), 32);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->hotX, 3);
    EXPECT_EQ(picture->hotY, 1);
    EXPECT_EQ(pixel(*picture, 0, 0)[3], 0);      // masked
    EXPECT_EQ(pixel(*picture, 5, 0)[3], 255);    // shown, palette entry 0x55 bit set: white
    EXPECT_EQ(pixel(*picture, 5, 0)[0], 255);
    EXPECT_EQ(pixel(*picture, 4, 0)[0], 0);      // black
    EXPECT_EQ(pixel(*picture, 0, 1)[3], 255);    // bottom row: the left half shows
    EXPECT_EQ(pixel(*picture, 7, 1)[3], 0);
}

TEST(IconFile, TheEntryClosestToThePreferredSizeIsTaken) {
    std::string file = iconFile({{16, 0, 0, whiteEntry(16)}, {32, 0, 0, whiteEntry(32)}});
    EXPECT_EQ(readIconFile(file, 32)->width, 32);
    EXPECT_EQ(readIconFile(file, 16)->width, 16);
    EXPECT_EQ(readIconFile(file, 24)->width, 32);  // a tie goes to the larger
}

TEST(IconFile, PngEntriesAndPlainPicturesAreRead) {
    PngPicture png;
    png.width = 2;
    png.height = 1;
    png.colorType = PNG_COLOR_TYPE_RGBA;
    png.rows = {{10, 20, 30, 40, 50, 60, 70, 255}};
    std::string pngFile = writePng(png);
    auto fromIcon = readIconFile(iconFile({{2, 0, 0, pngFile}}), 32);
    ASSERT_TRUE(fromIcon);
    EXPECT_EQ(std::vector<int>(pixel(*fromIcon, 0, 0), pixel(*fromIcon, 0, 0) + 4), (std::vector<int>{10, 20, 30, 40}));
    auto plain = readIconOrPicture(pngFile, 32);
    ASSERT_TRUE(plain);
    EXPECT_EQ(pixel(*plain, 1, 0)[3], 255);
}

TEST(IconFile, MalformedFilesAreRefused) {
    std::string good = iconFile({{16, 0, 0, whiteEntry(16)}});
    EXPECT_TRUE(readIconFile(good, 16));
    EXPECT_FALSE(readIconFile(good.substr(0, good.size() - 1), 16));  // mask cut short
    EXPECT_FALSE(readIconFile(good.substr(0, 20), 16));                // entry table cut short
    std::string pastEnd = good;
    pastEnd[18] = static_cast<char>(0x7F);  // entry offset far past the end
    EXPECT_FALSE(readIconFile(pastEnd, 16));
    EXPECT_FALSE(readIconFile(iconFile({}), 16));
    std::string wide = iconFile({{16, 0, 0, bitmapEntry(4096, 1, 1, "", {}, {})}});
    EXPECT_FALSE(readIconFile(wide, 16));
    EXPECT_FALSE(readIconOrPicture("not a picture", 16));
}

}  // namespace
}  // namespace morv::testing
