// A screen on a recording headless platform with scene and stage pictures for effect tests.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "config/game_config.h"
#include "display/pixel_color.h"
#include "display/screen.h"
#include "effects/run_effect.h"
#include "platform/headless/headless_platform.h"
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

// A headless platform that keeps every presented frame and the virtual time it
// was presented at.
class RecordingPlatform : public HeadlessPlatform {
public:
    explicit RecordingPlatform(HeadlessOptions options) : HeadlessPlatform(std::move(options)), display_(*this) {}
    DisplayDevice& display() override { return display_; }

    std::vector<uint64_t> presentTimes;
    std::vector<std::vector<uint32_t>> frames;

private:
    class Display : public DisplayDevice {
    public:
        explicit Display(RecordingPlatform& owner) : owner_(owner) {}
        bool setMode(int width, int height, PixelFormat format, bool fullScreen) override {
            return owner_.HeadlessPlatform::display().setMode(width, height, format, fullScreen);
        }
        void present(const void* pixels, int pitch, int width, int height, PixelFormat format) override {
            owner_.presentTimes.push_back(owner_.virtualClock().elapsed());
            std::vector<uint32_t> frame;
            for (int y = 0; y < height; ++y) {
                const auto* row = static_cast<const uint8_t*>(pixels) + static_cast<size_t>(y) * pitch;
                for (int x = 0; x < width; ++x) {
                    uint32_t p = 0;
                    std::memcpy(&p, row + x * bytesPerPixel(format), static_cast<size_t>(bytesPerPixel(format)));
                    frame.push_back(p);
                }
            }
            owner_.frames.push_back(std::move(frame));
        }
        void restoreDesktop() override {}

    private:
        RecordingPlatform& owner_;
    };
    Display display_;
};

// A small screen at the parameter's depth over loose files; the scene holds one
// picture ("old") and the stage another ("new") before each effect.
class EffectsTest : public ::testing::TestWithParam<int> {
protected:
    void makeScreen(int width, int height) {
        HeadlessOptions options;
        options.desktopDepth = GetParam();
        platform = std::make_unique<RecordingPlatform>(options);
        config.debug = true;
        config.windowWidth = width;
        config.windowHeight = height;
        config.caretFile = config.pageCaretFile = "none.bmp";
        screen = std::make_unique<Screen>(config, *platform);
        ASSERT_EQ(screen->createDisplay(), 0);
        paintPositions(scene());
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) setPixel(stage(), x, y, 0x8000u + static_cast<uint32_t>(y * 64 + x));
        oldPicture = pixelsOf(scene());
        newPicture = pixelsOf(stage());
        platform->presentTimes.clear();
        platform->frames.clear();
    }

    bool run(int number, int duration, std::optional<int> parameter = std::nullopt, std::string picture = "BUFFER") {
        return runEffect(*screen, EffectRequest{number, duration, std::move(picture), parameter});
    }

    bool is16() const { return GetParam() == 16; }
    size_t presents() const { return platform->frames.size(); }
    Surface& stage() { return screen->surface(SurfaceRole::StageSurface); }
    Surface& scene() { return screen->surface(SurfaceRole::SceneSurface); }
    Surface& frame() { return screen->surface(SurfaceRole::FrameSurface); }
    uint32_t oldAt(int x, int y) const { return oldPicture[static_cast<size_t>(y * config.windowWidth + x)]; }
    uint32_t newAt(int x, int y) const { return newPicture[static_cast<size_t>(y * config.windowWidth + x)]; }
    // Pixel (x, y) of presented frame `index`.
    uint32_t shownAt(size_t index, int x, int y) const {
        return platform->frames.at(index)[static_cast<size_t>(y * config.windowWidth + x)];
    }

    testing::TempDir dir;  // loose picture files
    std::unique_ptr<RecordingPlatform> platform;
    GameConfig config;
    std::unique_ptr<Screen> screen;
    std::vector<uint32_t> oldPicture;
    std::vector<uint32_t> newPicture;
};

}  // namespace morv::test
