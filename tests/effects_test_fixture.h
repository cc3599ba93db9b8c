// A screen on a recording headless platform with scene and stage pictures for effect tests.
#pragma once
// Effects on a bare canvas: surfaces of their own, a virtual clock and a present
// that keeps every frame, without a screen or a platform.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <cstring>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "display/effect_canvas.h"
#include "display/pixel_color.h"
#include "effects/run_effect.h"
#include "platform/headless/virtual_clock.h"
#include "scene_test_fixture.h"
#include "surface_test_pixels.h"

namespace morv::test {

// Raw pixels of a surface, row by row.
inline std::vector<uint32_t> pixelsOf(const Surface& s) {
    std::vector<uint32_t> out;
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x) out.push_back(pixelAt(s, x, y));
    return out;
}

// The surfaces, clock and flags of one canvas; every presented frame is kept
// with the virtual time it was presented at.
class BareCanvas {
public:
    BareCanvas(PixelFormat format, int width, int height)
        : frame(format, nullptr), scene(format, nullptr), stage(format, nullptr), scratch(format, nullptr) {
        for (Surface* s : {&frame, &scene, &stage}) EXPECT_EQ(s->create(width, height), 0);
    }

    EffectCanvas canvas() {
        return EffectCanvas{frame, scene, stage, scratch, clock, [this] { record(); }, run, busy, sceneChanged};
    }
    // The frame as presented now.
    void record() {
        presentTimes.push_back(clock.elapsed());
        frames.push_back(pixelsOf(frame));
        presented.store(frames.size(), std::memory_order_release);
    }

    Surface frame, scene, stage, scratch;
    VirtualClock clock;
    std::atomic<int32_t> run{0};
    std::atomic<int32_t> busy{0};
    std::atomic<bool> sceneChanged{false};
    std::vector<uint64_t> presentTimes;
    std::vector<std::vector<uint32_t>> frames;
    std::atomic<size_t> presented{0};  // frames.size(), for a thread that waits for a worker's frames
};

// A small canvas at the parameter's depth; the scene holds one picture ("old")
// and the stage another ("new") before each effect.
class EffectsTest : public ::testing::TestWithParam<int> {
protected:
    void makeCanvas(int width, int height) {
        bare = std::make_unique<BareCanvas>(is16() ? PixelFormat::Rgb565 : PixelFormat::Xrgb8888, width, height);
        this->width = width;
        frame().fill(0xFFFFFF);
        paintPositions(scene());
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) setPixel(stage(), x, y, 0x8000u + static_cast<uint32_t>(y * 64 + x));
        oldPicture = pixelsOf(scene());
        newPicture = pixelsOf(stage());
    }
    // A scroll image whose pixel (x, y) has the screen color colorAt(x, y).
    void makeScrollImage(int width, int height, const std::function<uint32_t(int, int)>& colorAt) {
        Surface& image = bare->scratch;
        ASSERT_EQ(image.create(width, height), 0);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) setPixel(image, x, y, screenColorToPixel(colorAt(x, y), image.format()));
    }

    bool run(int number, int duration, std::optional<int> parameter = std::nullopt) {
        return runEffect(bare->canvas(), EffectRequest{number, duration, parameter});
    }

    bool is16() const { return GetParam() == 16; }
    size_t presents() const { return bare->frames.size(); }
    const std::vector<std::vector<uint32_t>>& frames() const { return bare->frames; }
    Surface& stage() { return bare->stage; }
    Surface& scene() { return bare->scene; }
    Surface& frame() { return bare->frame; }
    Surface& scratch() { return bare->scratch; }
    uint32_t oldAt(int x, int y) const { return oldPicture[static_cast<size_t>(y * width + x)]; }
    uint32_t newAt(int x, int y) const { return newPicture[static_cast<size_t>(y * width + x)]; }
    // Pixel (x, y) of presented frame `index`.
    uint32_t shownAt(size_t index, int x, int y) const {
        return bare->frames.at(index)[static_cast<size_t>(y * width + x)];
    }

    std::unique_ptr<BareCanvas> bare;
    int width = 0;
    std::vector<uint32_t> oldPicture;
    std::vector<uint32_t> newPicture;
};

}  // namespace morv::test
