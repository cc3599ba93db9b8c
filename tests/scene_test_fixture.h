// A screen over a temporary game directory with picture files for scene tests.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>

#include "config/game_config.h"
#include "display/pixel_color.h"
#include "display/screen.h"
#include "platform/headless/headless_platform.h"
#include "support/temp_dir.h"
#include "surface_test_pixels.h"

namespace morv::test {

// A 24-bit BMP file whose pixel (x, y) (top row 0) has the color colorAt(x, y) (0x00RRGGBB).
template <typename ColorAt>
std::string bmpFile(int width, int height, ColorAt colorAt) {
    const uint32_t rowBytes = (static_cast<uint32_t>(width) * 3 + 3) / 4 * 4;
    const uint32_t pixelBytes = rowBytes * static_cast<uint32_t>(height);
    std::string bytes(54 + pixelBytes, '\0');
    auto put32 = [&bytes](size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>(v >> (8 * i));
    };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(2, 54 + pixelBytes);
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<uint32_t>(width));
    put32(22, static_cast<uint32_t>(height));
    bytes[26] = 1;
    bytes[28] = 24;
    put32(34, pixelBytes);
    for (int y = 0; y < height; ++y) {
        size_t row = 54 + static_cast<size_t>(height - 1 - y) * rowBytes;
        for (int x = 0; x < width; ++x) {
            uint32_t c = colorAt(x, y);
            bytes[row + 3 * x] = static_cast<char>(c);
            bytes[row + 3 * x + 1] = static_cast<char>(c >> 8);
            bytes[row + 3 * x + 2] = static_cast<char>(c >> 16);
        }
    }
    return bytes;
}

inline std::string solidBmp(int width, int height, uint32_t color) {
    return bmpFile(width, height, [color](int, int) { return color; });
}

// A character picture: one color with a magenta top-left pixel as its key.
inline std::string keyedBmp(int width, int height, uint32_t color) {
    return bmpFile(width, height, [color](int x, int y) { return x == 0 && y == 0 ? 0xFF00FFu : color; });
}

// A 640 x 480 screen over loose image files in a temporary directory, at the
// parameter's desktop depth.
class SceneTest : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override {
        HeadlessOptions options;
        options.desktopDepth = GetParam();
        platform = std::make_unique<HeadlessPlatform>(options);
        config.debug = true;
        config.imageAntialiasing = false;
        config.caretFile = config.pageCaretFile = "none.bmp";
        screen = std::make_unique<Screen>(config, *platform);
        ASSERT_EQ(screen->createDisplay(), 0);
    }

    PixelFormat format() const { return GetParam() == 16 ? PixelFormat::Rgb565 : PixelFormat::Xrgb8888; }
    uint32_t raw(uint32_t screenColor) const { return screenColorToPixel(screenColor, format()); }
    // Writes the file and returns the name the game uses for it.
    std::string file(const std::string& name, const std::string& bytes) { return dir.write(name, bytes).string(); }
    Surface& stage() { return screen->surface(SurfaceRole::StageSurface); }
    Surface& scene() { return screen->surface(SurfaceRole::SceneSurface); }
    Surface& frame() { return screen->surface(SurfaceRole::FrameSurface); }
    const std::vector<std::string>& messages() const { return platform->messagesShown(); }

    testing::TempDir dir;
    std::unique_ptr<HeadlessPlatform> platform;
    GameConfig config;
    std::unique_ptr<Screen> screen;
};

inline std::string depthName(const ::testing::TestParamInfo<int>& info) {
    return "Depth" + std::to_string(info.param);
}

}  // namespace morv::test
