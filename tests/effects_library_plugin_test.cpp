// The Effects library loaded as the engine loads it: the ripple's frames, its end and its cancellation.
#include <gtest/gtest.h>

#include <morv/effect_plugin.h>

#include <atomic>
#include <cmath>
#include <functional>
#include <memory>
#include <vector>

#include "display/surface.h"
#include "effects/plugin_handles.h"
#include "platform/headless/virtual_clock.h"
#include "platform/shared_library.h"
#include "surface_test_pixels.h"

namespace morv::test {
namespace {

constexpr int kWidth = 64;
constexpr int kHeight = 48;

std::vector<uint32_t> pixelsOf(const Surface& s) {
    std::vector<uint32_t> out;
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x) out.push_back(pixelAt(s, x, y));
    return out;
}

// The scene holds the "old" picture, the stage the "new" one, the frame a copy of the scene.
class RipplePluginTest : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override {
        library = SharedLibrary::open(MORV_EFFECTS_LIBRARY);
        ASSERT_TRUE(library);
        cgEffect = reinterpret_cast<MorvCGEffectFn>(library->symbol("CGEffect"));
        ASSERT_NE(cgEffect, nullptr);
        const PixelFormat format = GetParam() == 16 ? PixelFormat::Rgb565 : PixelFormat::Xrgb8888;
        for (std::unique_ptr<Surface>* s : {&frame, &scene, &stage}) {
            *s = std::make_unique<Surface>(format, nullptr);
            ASSERT_EQ((*s)->create(kWidth, kHeight), 0);
        }
        paintPositions(*scene);
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) setPixel(*stage, x, y, 0x8000u + static_cast<uint32_t>(y * 64 + x));
        frame->copy(*scene, false);
        oldPicture = pixelsOf(*scene);
        newPicture = pixelsOf(*stage);
    }

    // Runs the ripple; every presented frame is kept, and onPresent sees its index.
    void play(uint32_t duration, int32_t parameter, const std::function<void(size_t)>& onPresent = {}) {
        PluginSurface frameHandle(*frame);
        PluginSurface sceneHandle(*scene);
        PluginSurface stageHandle(*stage);
        PluginPrimary primary(clock, frameHandle, [&] {
            presented.push_back(pixelsOf(*frame));
            if (onPresent) onPresent(presented.size());
        });
        cgEffect(primary.handle(), frameHandle.handle(), sceneHandle.handle(), stageHandle.handle(), nullptr,
                 duration, parameter, runFlagForLibraries(run), nullptr);
    }

    static size_t at(int x, int y) { return static_cast<size_t>(y * kWidth + x); }
    // Inside the disk of radius R around (cx, cy) as the ripple walks it.
    static bool inDisk(int x, int y, int cx, int cy, int r) {
        const int dy = y - cy;
        if (dy < -r || dy >= r) return false;
        const int halfWidth = static_cast<int>(std::sqrt(static_cast<double>(r * r - dy * dy)));
        return x - cx >= -halfWidth && x - cx < halfWidth;
    }

    std::unique_ptr<SharedLibrary> library;
    MorvCGEffectFn cgEffect = nullptr;
    VirtualClock clock;
    std::atomic<int32_t> run{1};
    std::unique_ptr<Surface> frame, scene, stage;
    std::vector<uint32_t> oldPicture, newPicture;
    std::vector<std::vector<uint32_t>> presented;
};

TEST_P(RipplePluginTest, OldPictureThenBlendThenNewInsideTheDiskOnly) {
    // Radius 20 around (32, 24), one second, no amplitude: samples are not displaced.
    play(110020, 32024);
    ASSERT_GT(presented.size(), 900u);
    const auto& early = presented[10];
    const auto& middle = presented[presented.size() / 2];
    const auto& late = presented[presented.size() - 20];
    int blended = 0;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const size_t i = at(x, y);
            EXPECT_EQ(early[i], oldPicture[i]) << x << "," << y;
            if (!inDisk(x, y, 32, 24, 20)) {
                EXPECT_EQ(late[i], oldPicture[i]) << x << "," << y;
                continue;
            }
            EXPECT_EQ(late[i], newPicture[i]) << x << "," << y;
            if (middle[i] != oldPicture[i] && middle[i] != newPicture[i]) ++blended;
        }
    }
    EXPECT_GT(blended, 1000);
    EXPECT_EQ(pixelsOf(*frame), newPicture);
}

TEST_P(RipplePluginTest, RadiusZeroPresentsUntouchedFramesUntilTheTimeIsUp) {
    play(10000, 32024);
    EXPECT_GT(presented.size(), 900u);
    for (const auto& shown : presented) ASSERT_EQ(shown, oldPicture);
    EXPECT_EQ(pixelsOf(*frame), newPicture);
}

TEST_P(RipplePluginTest, NoWholeSecondMeansNoFrameButTheNewPicture) {
    play(9999, 32024);
    EXPECT_TRUE(presented.empty());
    EXPECT_EQ(pixelsOf(*frame), newPicture);
}

TEST_P(RipplePluginTest, ClearedRunFlagEndsAtTheNextFrameWithTheNewPicture) {
    play(10520300, 32024, [&](size_t count) {
        if (count == 3) run = 0;
    });
    EXPECT_EQ(presented.size(), 3u);
    EXPECT_EQ(pixelsOf(*frame), newPicture);
}

TEST_P(RipplePluginTest, DisplacedRippleOnAScreenSmallerThanTheDiskStaysInside) {
    // Radius 1023 (clamped from 9999), amplitude 429, ring moving on: samples land far outside.
    play(4294919999u, 1032024, [&](size_t count) {
        if (count == 40) run = 0;
    });
    EXPECT_EQ(presented.size(), 40u);
    EXPECT_EQ(pixelsOf(*frame), newPicture);
}

TEST_P(RipplePluginTest, StageOfAnotherSizeIsNotDrawn) {
    ASSERT_EQ(stage->create(kWidth / 2, kHeight), 0);
    play(110020, 32024);
    EXPECT_TRUE(presented.empty());
    EXPECT_EQ(pixelsOf(*frame), oldPicture);
}

INSTANTIATE_TEST_SUITE_P(Depths, RipplePluginTest, ::testing::Values(16, 32));

}  // namespace
}  // namespace morv::test
