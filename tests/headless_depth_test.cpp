// The same scene played at both desktop depths looks the same but for the
// coarser channels of 16 bits.
#include <gtest/gtest.h>

#include <algorithm>

#include "image/image_decoders.h"
#include "support/headless_run.h"
#include "support/image_files.h"
#include "support/temp_dir.h"

namespace morv::testing {
namespace {

PngPicture gradient(int width, int height) {
    PngPicture picture{width, height, PNG_COLOR_TYPE_RGB, 8, false, {}, {}};
    for (int y = 0; y < height; ++y) {
        std::vector<uint8_t> row;
        for (int x = 0; x < width; ++x) {
            row.push_back(static_cast<uint8_t>(x * 255 / width));
            row.push_back(static_cast<uint8_t>(y * 255 / height));
            row.push_back(static_cast<uint8_t>((x + y) % 256));
        }
        picture.rows.push_back(row);
    }
    return picture;
}

// An opaque disc with a soft rim on a transparent field.
PngPicture softDisc(int size) {
    PngPicture picture{size, size, PNG_COLOR_TYPE_RGB_ALPHA, 8, false, {}, {}};
    const int r = size / 2;
    for (int y = 0; y < size; ++y) {
        std::vector<uint8_t> row;
        for (int x = 0; x < size; ++x) {
            int d2 = (x - r) * (x - r) + (y - r) * (y - r);
            int alpha = d2 < (r - 8) * (r - 8) ? 255 : d2 < r * r ? 128 : 0;
            row.insert(row.end(), {230, 90, static_cast<uint8_t>(y), static_cast<uint8_t>(alpha)});
        }
        picture.rows.push_back(row);
    }
    return picture;
}

DecodedImage snapshotAt(const TempDir& game, int depth, const TempDir& out) {
    auto run = runHeadless(game.path(), "until-idle 5000\nsnapshot scene\nquit\n", out.path() / std::to_string(depth),
                           "--depth " + std::to_string(depth));
    EXPECT_EQ(run.exitCode, 0);
    std::string error;
    auto image = readPng(out.read(std::to_string(depth) + "/scene.png"), nullptr, error);
    return image.value_or(DecodedImage{});
}

TEST(HeadlessDepth, SixteenAndThirtyTwoBitScenesDifferOnlyByQuantisation) {
    TempDir game, out;
    if (const char* keep = std::getenv("MORV_KEEP")) (void)keep;
    game.write("morv.ini", "DEBUG\n");
    game.write("scenario.txt", "window OFF\ncg bg.png 0\nchar disc.png 0\nwait\nend\n");
    game.write("bg.png", writePng(gradient(640, 480)));
    game.write("disc.png", writePng(softDisc(160)));

    DecodedImage low = snapshotAt(game, 16, out);
    DecodedImage high = snapshotAt(game, 32, out);
    ASSERT_EQ(low.width, 640);
    ASSERT_EQ(high.width, 640);
    // Plain pixels lose the low bits of each channel (5 bits of blue and red, 6 of
    // green); blended rim pixels are computed on those channels and may lose two steps more.
    const int plain[3] = {7, 3, 7};
    const int rim[3] = {7 + 16, 3 + 8, 7 + 16};
    for (int y = 0; y < 480; ++y) {
        for (int x = 0; x < 640; ++x) {
            Bgr a = pixelAt(low, x, y);
            Bgr b = pixelAt(high, x, y);
            int d2 = (x - 320) * (x - 320) + (y - 400) * (y - 400);
            const int* limit = d2 >= 71 * 71 && d2 <= 81 * 81 ? rim : plain;
            ASSERT_LE(std::abs(a.blue - b.blue), limit[0]) << x << "," << y;
            ASSERT_LE(std::abs(a.green - b.green), limit[1]) << x << "," << y;
            ASSERT_LE(std::abs(a.red - b.red), limit[2]) << x << "," << y;
        }
    }
    // The disc stands on the bottom edge, centred: its middle has its own color.
    EXPECT_EQ(pixelAt(high, 320, 400).red, 230);
    EXPECT_EQ(pixelAt(low, 320, 400).red, 230 & 0xF8);
}

}  // namespace
}  // namespace morv::testing
