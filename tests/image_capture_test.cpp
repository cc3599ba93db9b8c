// Screen captures written as 24-bit BMP files.
#include <gtest/gtest.h>

#include <cstring>

#include "image/screen_capture.h"
#include "platform/file_resolver.h"
#include "platform/message_boxes.h"
#include "support/image_files.h"
#include "support/temp_dir.h"

namespace morv {
namespace {

using namespace std::string_literals;
using testing::putU16;
using testing::putU32;

class RecordedMessages : public MessageBoxes {
public:
    void error(const std::string& text) override { shown.push_back(text); }
    bool question(const std::string&) override { return true; }
    std::string input(const std::string&) override { return ""; }
    std::vector<std::string> shown;
};

std::string headers(int width, int height, uint32_t pixelBytes) {
    std::string out = "BM";
    putU32(out, 54 + pixelBytes);
    putU32(out, 0);
    putU32(out, 54);
    putU32(out, 40);
    putU32(out, width);
    putU32(out, height);
    putU16(out, 1);
    putU16(out, 24);
    putU32(out, 0);
    putU32(out, pixelBytes);
    out.append(16, '\0');
    return out;
}

TEST(ScreenCapture, WhiteSixteenBitFrameKeepsTheLowBitsClear) {
    // 2 x 2 white pixels in rows of 6 bytes with a pitch of 8.
    std::vector<uint8_t> frame(16, 0xFF);
    const std::string row = "\xF8\xFC\xF8\xF8\xFC\xF8\0\0"s;
    EXPECT_EQ(encodeCaptureBmp(frame.data(), 8, PixelFormat::Rgb565, 2, 2), headers(2, 2, 16) + row + row);
}

TEST(ScreenCapture, ThirtyTwoBitFrameDropsTheSpareByteAndStoresTheBottomRowFirst) {
    const uint32_t pixels[2] = {0xAA112233, 0xBB445566};  // top row, bottom row
    const std::string bottom = "\x66\x55\x44\0"s, top = "\x33\x22\x11\0"s;
    EXPECT_EQ(encodeCaptureBmp(reinterpret_cast<const uint8_t*>(pixels), 4, PixelFormat::Xrgb8888, 1, 2),
              headers(1, 2, 8) + bottom + top);
    // Channels of a 16-bit pixel: red 11111, green 000001, blue 00010.
    const uint16_t mixed = 0xF822;
    EXPECT_EQ(encodeCaptureBmp(reinterpret_cast<const uint8_t*>(&mixed), 2, PixelFormat::Rgb565, 1, 1),
              headers(1, 1, 4) + "\x10\x04\xF8\0"s);
}

TEST(ScreenCapture, WritesTheFileOrReportsEachFailedWrite) {
    testing::TempDir dir;
    FileResolver files(dir.path());
    RecordedMessages messages;
    const uint32_t pixel = 0x00FF0000;
    const auto* rows = reinterpret_cast<const uint8_t*>(&pixel);
    dir.write("Shot.bmp", "old contents that are longer than the new picture file ...............");
    EXPECT_TRUE(writeCapture(files, messages, "shot.bmp", rows, 4, PixelFormat::Xrgb8888, 1, 1));
    EXPECT_EQ(dir.read("Shot.bmp"), encodeCaptureBmp(rows, 4, PixelFormat::Xrgb8888, 1, 1));
    EXPECT_TRUE(messages.shown.empty());

    EXPECT_FALSE(writeCapture(files, messages, "no\\such\\dir\\shot.bmp", rows, 4, PixelFormat::Xrgb8888, 1, 1));
    EXPECT_EQ(messages.shown, std::vector<std::string>(3, "파일 쓰기에 실패했습니다."));
}

}  // namespace
}  // namespace morv
