// A Screen with real fonts and both carets on the headless platform, for tests of text and presentation.
#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "config/game_config.h"
#include "display/screen.h"
#include "platform/cp949.h"
#include "platform/headless/headless_platform.h"
#include "scene_test_fixture.h"
#include "support/temp_dir.h"
#include "surface_test_pixels.h"

namespace morv {

// A Screen with real fonts on the headless platform, over a black scene, at the
// parameter's depth. The carets are green (line) and blue (page).
class ScreenTextFixture : public ::testing::TestWithParam<int> {
protected:
    static constexpr uint32_t kMagenta = 0xFF00FF;
    static constexpr uint32_t kGreen = 0x00FF00;
    static constexpr uint32_t kBlue = 0x0000FF;

    void SetUp() override {
        HeadlessOptions options;
        options.desktopDepth = GetParam();
        platform = std::make_unique<HeadlessPlatform>(options);
        config.debug = true;
        config.font.faceName = "NanumGothic";
        config.caretFile = dir.write("caret.bmp", test::keyedBmp(6, 8, kGreen)).string();
        config.pageCaretFile = dir.write("page.bmp", test::keyedBmp(6, 8, kBlue)).string();
        screen = std::make_unique<Screen>(config, *platform);
        ASSERT_EQ(screen->createDisplay(), 0);
        screen->setBackground("BLACK");
        screen->showStage();
    }

    Surface& frame() { return screen->surface(SurfaceRole::FrameSurface); }
    Surface& textLayer() { return screen->surface(SurfaceRole::TextLayer); }
    Rect window() const {
        const TextWindowRect& r = config.textWindowRect;
        return {r.left, r.top, r.right, r.bottom};
    }
    // Pixels of the surface inside the rectangle other than `color`.
    int countOtherThan(const Surface& surface, const Rect& area, uint32_t color) {
        const uint32_t raw = screenColorToPixel(color, surface.format());
        int count = 0;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x) count += test::pixelAt(surface, x, y) != raw;
        return count;
    }
    // The presented frame's pixel as 0xRRGGBB.
    uint32_t shownAt(int x, int y) const {
        const FrameImage& shown = platform->frame();
        const uint8_t* p = shown.rgb.data() + (static_cast<size_t>(y) * shown.width + x) * 3;
        return static_cast<uint32_t>(p[0]) << 16 | static_cast<uint32_t>(p[1]) << 8 | p[2];
    }
    // Pixels of the presented frame inside the rectangle in the exact color.
    int shownCount(const Rect& area, uint32_t color) const {
        int count = 0;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x) count += shownAt(x, y) == color;
        return count;
    }
    static std::string korean(const char* utf8) { return cp949::fromUtf8(utf8); }

    testing::TempDir dir;
    std::unique_ptr<HeadlessPlatform> platform;
    GameConfig config;
    std::unique_ptr<Screen> screen;
};

}  // namespace morv
