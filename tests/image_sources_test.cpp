// Pictures from archive entries and loose files.
#include <gtest/gtest.h>

#include <algorithm>

#include "image/archive_images.h"
#include "image/image_decoders.h"
#include "image/loose_images.h"
#include "platform/file_resolver.h"
#include "support/archive_builder.h"
#include "support/image_files.h"
#include "support/temp_dir.h"

namespace morv {
namespace {

using testing::allPixels;
using testing::ArchiveItem;
using testing::Bgr;
using testing::buildArchive;
using testing::PngPicture;
using testing::putU16;
using testing::putU32;
using testing::TempDir;
using testing::writePng;

// A 24-bit BMP file of width x height pixels, all of one color.
std::string solidBmp(int width, int height, Bgr color) {
    const size_t rowBytes = DecodedImage::rowBytesFor(width);
    std::string pixels;
    for (int y = 0; y < height; ++y) {
        std::string row;
        for (int x = 0; x < width; ++x) row += {static_cast<char>(color.blue), static_cast<char>(color.green),
                                                static_cast<char>(color.red)};
        row.resize(rowBytes, '\0');
        pixels += row;
    }
    std::string file = "BM";
    putU32(file, static_cast<uint32_t>(54 + pixels.size()));
    putU32(file, 0);
    putU32(file, 54);
    putU32(file, 40);
    putU32(file, width);
    putU32(file, height);
    putU16(file, 1);
    putU16(file, 24);
    file.append(24, '\0');
    return file + pixels;
}

const std::string kRgbaPng =
    writePng(PngPicture{2, 1, PNG_COLOR_TYPE_RGB_ALPHA, 8, false, {}, {{1, 2, 3, 40, 4, 5, 6, 200}}});

class ArchiveImages : public ::testing::Test {
protected:
    static std::string archiveBytes() {
        return buildArchive({{"bg\\room.bmp", solidBmp(3, 2, {10, 20, 30}), 1},
                                           {"plain.bmp", solidBmp(1, 1, {1, 1, 1}), 0},
                                           {"girl.png", kRgbaPng, 2},
                                           {"notes.txt", testing::deflate("hello"), 3, 5},
                                           {"broken.png", "\x89PNG\r\n\x1a\n garbage", 2},
                                           {"short.bmp", "BM", 1},
                                           {"odd.bin", "x", 4}},
                            true);
    }
    TempDir dir_;
    FileResolver files_{dir_.path()};
    std::filesystem::path file_ = dir_.write("cg.qxa", archiveBytes());
    ImageArchive archive_{files_, "cg.qxa"};
    std::string pngError_;
};

TEST_F(ArchiveImages, DecodesBmpAndPngEntriesByTheirType) {
    auto bmp = decodeArchiveImage(archive_, "BG\\ROOM.BMP", nullptr, pngError_);
    ASSERT_TRUE(bmp);
    EXPECT_EQ(allPixels(*bmp), std::vector<Bgr>(6, Bgr{10, 20, 30}));

    AlphaPlane alpha{9, 9, {1}};
    ASSERT_TRUE(decodeArchiveImage(archive_, "bg\\room.bmp", &alpha, pngError_));
    EXPECT_EQ(alpha.width, 0) << "BMP entries have no alpha";

    auto png = decodeArchiveImage(archive_, "girl.png", &alpha, pngError_);
    ASSERT_TRUE(png);
    EXPECT_EQ(allPixels(*png), (std::vector<Bgr>{{3, 2, 1}, {6, 5, 4}}));
    EXPECT_EQ(alpha.values, (std::vector<uint8_t>{40, 200}));
    ASSERT_TRUE(decodeArchiveImage(archive_, "girl.png", nullptr, pngError_));
    EXPECT_EQ(pngError_, "");
}

TEST_F(ArchiveImages, OtherTypesAndMissingNamesDecodeToNothing) {
    for (const char* name : {"plain.bmp", "notes.txt", "odd.bin", "missing.bmp", "short.bmp"}) {
        AlphaPlane alpha{1, 1, {7}};
        EXPECT_FALSE(decodeArchiveImage(archive_, name, &alpha, pngError_)) << name;
        EXPECT_EQ(alpha.width, 0) << name;
        EXPECT_FALSE(readArchiveImageHeader(archive_, name)) << name;
    }
    EXPECT_EQ(pngError_, "");
    EXPECT_FALSE(decodeArchiveImage(archive_, "broken.png", nullptr, pngError_));
    EXPECT_EQ(pngError_, "error");
}

TEST_F(ArchiveImages, HeadersGiveTheSizeWithoutDecoding) {
    auto bmp = readArchiveImageHeader(archive_, "bg\\room.bmp");
    ASSERT_TRUE(bmp);
    EXPECT_EQ(bmp->width, 3);
    EXPECT_EQ(bmp->height, 2);
    auto png = readArchiveImageHeader(archive_, "girl.png");
    ASSERT_TRUE(png);
    EXPECT_EQ(png->width, 2);
    EXPECT_EQ(png->height, 1);
    // Only the header is read: the broken PNG's header is not even complete.
    EXPECT_FALSE(readArchiveImageHeader(archive_, "broken.png"));
}

TEST_F(ArchiveImages, CodecsFollowTheEntryType) {
    EXPECT_EQ(codecForType(0), codecForType(1));
    EXPECT_NE(codecForType(1), codecForType(2));
    EXPECT_NE(codecForType(3), nullptr);
    EXPECT_EQ(codecForType(4), nullptr);

    std::string out;
    ASSERT_TRUE(codecForType(3)->readRaw(archive_, *archive_.find("notes.txt"), out));
    EXPECT_EQ(out, "hello");
    ASSERT_TRUE(codecForType(2)->readRaw(archive_, *archive_.find("girl.png"), out));
    EXPECT_EQ(out, kRgbaPng);
    // The BMP codec decodes a type-0 entry when asked directly.
    EXPECT_TRUE(codecForType(0)->decode(archive_, *archive_.find("plain.bmp"), nullptr, pngError_));
}

TEST(LooseImages, TheNameChoosesTheDecoder) {
    EXPECT_TRUE(isPngName("bg.PNG"));
    EXPECT_TRUE(isPngName("a.png.bmp"));
    EXPECT_FALSE(isPngName("bg.Png"));
    EXPECT_FALSE(isPngName(""));

    TempDir dir;
    FileResolver files(dir.path());
    dir.write("CG/Room.bmp", solidBmp(4, 3, {0, 0, 255}));
    dir.write("CG/girl.PNG", kRgbaPng);
    dir.write("CG/fake.png.bmp", solidBmp(1, 1, {0, 0, 0}));
    std::string pngError;

    auto bmp = decodeLooseImage(files, "cg\\room.bmp", nullptr, pngError);
    ASSERT_TRUE(bmp);
    EXPECT_EQ(bmp->width, 4);
    AlphaPlane alpha;
    ASSERT_TRUE(decodeLooseImage(files, "cg\\girl.PNG", &alpha, pngError));
    EXPECT_EQ(alpha.values, (std::vector<uint8_t>{40, 200}));

    auto size = looseImageSize(files, "cg\\girl.PNG", pngError);
    ASSERT_TRUE(size);
    EXPECT_EQ(size->width, 2);
    EXPECT_EQ(size->height, 1);
    size = looseImageSize(files, "cg\\room.bmp", pngError);
    ASSERT_TRUE(size);
    EXPECT_EQ(size->height, 3);

    EXPECT_FALSE(decodeLooseImage(files, "cg\\missing.bmp", nullptr, pngError));
    EXPECT_EQ(pngError, "");
    EXPECT_FALSE(looseImageSize(files, "cg\\fake.png.bmp", pngError));
    EXPECT_EQ(pngError, "Not a PNG");
}

TEST(DemoPictures, DecodeWithTheirExpectedShapes) {
    FileResolver demo(std::filesystem::path(MORV_TEST_GAMES) / ".." / ".." / "games" / "demo");
    std::string pngError;
    auto room = decodeLooseImage(demo, "cg\\bg_room.bmp", nullptr, pngError);
    ASSERT_TRUE(room);
    EXPECT_EQ(room->width, 640);
    EXPECT_EQ(room->height, 480);
    ASSERT_TRUE(decodeLooseImage(demo, "cg\\bg_sky.png", nullptr, pngError));

    // The girl's alpha is clear around her, solid inside, graded on her rims.
    AlphaPlane alpha;
    ASSERT_TRUE(decodeLooseImage(demo, "chr\\girl.png", &alpha, pngError));
    ASSERT_GT(alpha.width, 0);
    EXPECT_EQ(alpha.values.front(), 0);
    EXPECT_EQ(alpha.values[static_cast<size_t>(alpha.height / 2) * alpha.width + alpha.width / 2], 255);
    EXPECT_TRUE(std::any_of(alpha.values.begin(), alpha.values.end(), [](uint8_t a) { return a > 0 && a < 255; }));

    // Keyed pictures carry magenta in their top-left pixel.
    for (const char* name : {"chr\\friend.bmp", "caret.bmp"}) {
        auto keyed = decodeLooseImage(demo, name, nullptr, pngError);
        ASSERT_TRUE(keyed) << name;
        EXPECT_EQ(testing::pixelAt(*keyed, 0, 0), (Bgr{255, 0, 255})) << name;
    }
}

}  // namespace
}  // namespace morv
