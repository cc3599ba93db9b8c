// Snapshot files: the pixels written are the pixels read back, and a write that does
// not reach the disk is reported.
#include <gtest/gtest.h>
#include <png.h>

#include <cstring>
#include <filesystem>

#include "platform/headless/frame_image.h"
#include "support/temp_dir.h"

namespace morv {
namespace {

std::vector<uint8_t> readRgb(const std::filesystem::path& path, int& width, int& height) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) return {};
    image.format = PNG_FORMAT_RGB;
    std::vector<uint8_t> rgb(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr)) return {};
    width = static_cast<int>(image.width);
    height = static_cast<int>(image.height);
    return rgb;
}

TEST(SnapshotPng, PixelsReadBackExactly) {
    // Flat areas, a gradient and noise: each row compresses differently.
    FrameImage frame = FrameImage::filled(97, 61, 10, 20, 30);
    uint32_t seed = 12345;
    for (size_t i = 0; i < frame.rgb.size(); ++i) {
        const size_t row = i / (97 * 3);
        if (row >= 20 && row < 40) frame.rgb[i] = static_cast<uint8_t>(i % 251);
        if (row >= 40) {
            seed = seed * 1664525u + 1013904223u;
            frame.rgb[i] = static_cast<uint8_t>(seed >> 24);
        }
    }
    testing::TempDir dir;
    const auto path = dir.path() / "frame.png";
    ASSERT_TRUE(writePng(frame, path.string()));
    int width = 0;
    int height = 0;
    EXPECT_EQ(readRgb(path, width, height), frame.rgb);
    EXPECT_EQ(width, 97);
    EXPECT_EQ(height, 61);
}

TEST(SnapshotPng, WritesThatDoNotReachTheDiskFail) {
    const FrameImage tiny = FrameImage::filled(2, 2, 1, 2, 3);
    // The whole file fits in the stream's buffer, so the full device refuses it only on closing.
    if (std::filesystem::exists("/dev/full")) {
        EXPECT_FALSE(writePng(tiny, "/dev/full"));
    }
    testing::TempDir dir;
    EXPECT_FALSE(writePng(tiny, (dir.path() / "missing" / "frame.png").string()));
    EXPECT_FALSE(writePng(FrameImage{}, (dir.path() / "empty.png").string()));
}

}  // namespace
}  // namespace morv
