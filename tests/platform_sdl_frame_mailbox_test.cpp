// Frames handed from a worker thread to the display.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <thread>
#include <vector>

#include "platform/frame_mailbox.h"

namespace morv {
namespace {

TEST(FrameMailbox, CopiesRowsWithoutTheSourcePadding) {
    // 3 x 2 pixels of 16 bits in rows of 8 bytes: 2 bytes of padding per row.
    std::vector<uint16_t> source = {1, 2, 3, 0xDEAD, 4, 5, 6, 0xBEEF};
    FrameMailbox box;
    box.put(source.data(), 8, 3, 2, PixelFormat::Rgb565);
    source.assign(source.size(), 0);  // the copy must not depend on the caller's buffer
    FrameCopy frame;
    ASSERT_TRUE(box.take(frame));
    EXPECT_EQ(frame.width, 3);
    EXPECT_EQ(frame.height, 2);
    EXPECT_EQ(frame.format, PixelFormat::Rgb565);
    EXPECT_EQ(frame.pitch(), 6);
    ASSERT_EQ(frame.pixels.size(), 12u);
    const auto* p = reinterpret_cast<const uint16_t*>(frame.pixels.data());
    EXPECT_EQ(std::vector<uint16_t>(p, p + 6), (std::vector<uint16_t>{1, 2, 3, 4, 5, 6}));
}

TEST(FrameMailbox, KeepsOnlyTheNewestFrameAndHandsItOverOnce) {
    FrameMailbox box;
    FrameCopy frame;
    EXPECT_FALSE(box.hasNew());
    EXPECT_FALSE(box.take(frame));
    uint32_t first = 0x00112233;
    uint32_t second[2] = {0x00445566, 0x00778899};
    box.put(&first, 4, 1, 1, PixelFormat::Xrgb8888);
    box.put(second, 8, 2, 1, PixelFormat::Xrgb8888);
    EXPECT_TRUE(box.hasNew());
    ASSERT_TRUE(box.take(frame));
    EXPECT_EQ(frame.width, 2);
    EXPECT_EQ(reinterpret_cast<const uint32_t*>(frame.pixels.data())[1], 0x00778899u);
    EXPECT_FALSE(box.hasNew());
    EXPECT_FALSE(box.take(frame));
    EXPECT_EQ(frame.width, 2);  // a failed take leaves the last frame alone
}

// Frames whose changed rows alone are copied, whether the frame handed over
// before went out whole (by swapping storage) or row by row: the taker always ends
// up with the whole newest frame and learns which rows changed.
TEST(FrameMailbox, ChangedRowsKeepTheTakersFrameWhole) {
    constexpr int kWidth = 3, kHeight = 5;
    std::vector<uint32_t> pixels(kWidth * kHeight);
    auto paint = [&](int top, int bottom, uint32_t value) {
        for (int y = top; y < bottom; ++y)
            for (int x = 0; x < kWidth; ++x) pixels[static_cast<size_t>(y * kWidth + x)] = value + static_cast<uint32_t>(y);
    };
    auto taken = [&](const FrameCopy& frame) {
        const auto* p = reinterpret_cast<const uint32_t*>(frame.pixels.data());
        return std::vector<uint32_t>(p, p + kWidth * kHeight);
    };
    FrameMailbox box;
    FrameCopy frame;
    paint(0, kHeight, 100);
    box.put(pixels.data(), kWidth * 4, kWidth, kHeight, PixelFormat::Xrgb8888);
    EXPECT_EQ(box.take(frame), (RowSpan{0, kHeight}));
    EXPECT_EQ(taken(frame), pixels);

    // After a whole frame the mailbox's own copy is stale, yet only rows 1 to 2 changed.
    paint(1, 3, 200);
    box.putRows(pixels.data(), kWidth * 4, kWidth, kHeight, PixelFormat::Xrgb8888, 1, 3);
    EXPECT_EQ(box.take(frame), (RowSpan{1, 3}));
    EXPECT_EQ(taken(frame), pixels);

    // Two puts before a take: the taker hears of both changes.
    paint(4, 5, 300);
    box.putRows(pixels.data(), kWidth * 4, kWidth, kHeight, PixelFormat::Xrgb8888, 4, 5);
    paint(0, 1, 400);
    box.putRows(pixels.data(), kWidth * 4, kWidth, kHeight, PixelFormat::Xrgb8888, 0, 1);
    EXPECT_EQ(box.take(frame), (RowSpan{0, 5}));
    EXPECT_EQ(taken(frame), pixels);

    paint(2, 3, 500);
    box.putRows(pixels.data(), kWidth * 4, kWidth, kHeight, PixelFormat::Xrgb8888, 2, 3);
    EXPECT_EQ(box.take(frame), (RowSpan{2, 3}));
    EXPECT_EQ(taken(frame), pixels);

    // A frame of another size is whole, whatever rows were named.
    std::vector<uint32_t> wide(8 * 2, 7);
    box.putRows(wide.data(), 8 * 4, 8, 2, PixelFormat::Xrgb8888, 1, 2);
    EXPECT_EQ(box.take(frame), (RowSpan{0, 2}));
    EXPECT_EQ(frame.width, 8);
    EXPECT_EQ(reinterpret_cast<const uint32_t*>(frame.pixels.data())[0], 7u);
}

TEST(FrameMailbox, IgnoresEmptyFrames) {
    FrameMailbox box;
    uint32_t pixel = 0;
    box.put(nullptr, 4, 1, 1, PixelFormat::Xrgb8888);
    box.put(&pixel, 4, 0, 1, PixelFormat::Xrgb8888);
    box.put(&pixel, 4, 1, -1, PixelFormat::Xrgb8888);
    FrameCopy frame;
    EXPECT_FALSE(box.take(frame));
}

TEST(FrameMailbox, FramesFromAWorkerArriveWhole) {
    // Every frame is filled with one value; a torn copy would mix two values.
    constexpr int kWidth = 64, kHeight = 48, kFrames = 300;
    FrameMailbox box;
    std::atomic<bool> done{false};
    std::thread worker([&] {
        std::vector<uint32_t> pixels(kWidth * kHeight);
        for (uint32_t n = 1; n <= kFrames; ++n) {
            pixels.assign(pixels.size(), n);
            box.put(pixels.data(), kWidth * 4, kWidth, kHeight, PixelFormat::Xrgb8888);
        }
        done = true;
    });
    FrameCopy frame;
    uint32_t last = 0;
    auto check = [&] {
        const auto* p = reinterpret_cast<const uint32_t*>(frame.pixels.data());
        for (int i = 0; i < kWidth * kHeight; ++i) ASSERT_EQ(p[i], p[0]);
        ASSERT_GT(p[0], last);  // never an older frame after a newer one
        last = p[0];
    };
    while (!done) {
        if (box.take(frame)) check();
    }
    worker.join();
    if (box.take(frame)) check();
    EXPECT_EQ(last, static_cast<uint32_t>(kFrames));
}

}  // namespace
}  // namespace morv
