// Display modes asked of the display device while the screen is made.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "config/game_config.h"
#include "display/pixel_color.h"
#include "display/screen.h"
#include "platform/headless/headless_platform.h"
#include "surface_test_pixels.h"

namespace morv {
namespace {

using test::pixelAt;

// A display that records the modes asked for and can refuse them.
class RecordingDisplay : public DisplayDevice {
public:
    bool setMode(int width, int height, PixelFormat, bool fullScreen) override {
        ++modeChanges;
        lastWidth = width;
        lastHeight = height;
        lastFullScreen = fullScreen;
        return !refuse;
    }
    void present(const void*, int, int, int, PixelFormat) override { ++presents; }
    void restoreDesktop() override { ++restores; }

    bool refuse = false;
    int modeChanges = 0;
    int lastWidth = 0;
    int lastHeight = 0;
    bool lastFullScreen = false;
    int presents = 0;
    int restores = 0;
};

HeadlessOptions atDepth(int depth) {
    HeadlessOptions options;
    options.desktopDepth = depth;
    return options;
}

class RecordingPlatform : public HeadlessPlatform {
public:
    explicit RecordingPlatform(int depth) : HeadlessPlatform(atDepth(depth)) {}
    DisplayDevice& display() override { return device; }
    RecordingDisplay device;
};

GameConfig debugConfig() {
    GameConfig config;
    config.debug = true;
    config.caretFile = "no-such-caret.bmp";
    config.pageCaretFile = "no-such-caret.bmp";
    return config;
}

class ScreenDisplayTest : public ::testing::TestWithParam<int> {
protected:
    int depth() const { return GetParam(); }
    PixelFormat format() const { return depth() == 16 ? PixelFormat::Rgb565 : PixelFormat::Xrgb8888; }
    uint32_t raw(uint32_t screenColor) const { return screenColorToPixel(screenColor, format()); }
};

TEST_P(ScreenDisplayTest, CreatesTheSurfaceSetAtTheDesktopDepth) {
    HeadlessPlatform platform(atDepth(depth()));
    GameConfig config = debugConfig();
    Screen screen(config, platform);
    ASSERT_EQ(screen.createDisplay(), 0);
    EXPECT_EQ(screen.format(), format());
    EXPECT_TRUE(platform.messagesShown().empty()) << "a missing caret is not reported";

    for (SurfaceRole role : {SurfaceRole::FrameSurface, SurfaceRole::StageSurface, SurfaceRole::SceneSurface,
                             SurfaceRole::WindowSurface, SurfaceRole::TextLayer}) {
        const Surface& s = screen.surface(role);
        ASSERT_TRUE(s.valid());
        EXPECT_EQ(s.width(), 640);
        EXPECT_EQ(s.height(), 480);
        EXPECT_EQ(s.format(), format());
    }
    EXPECT_EQ(pixelAt(screen.surface(SurfaceRole::FrameSurface), 639, 479), raw(0xFFFFFF));
    EXPECT_EQ(pixelAt(screen.surface(SurfaceRole::StageSurface), 0, 0), raw(0));
    const Surface& text = screen.surface(SurfaceRole::TextLayer);
    EXPECT_EQ(pixelAt(text, 5, 5), raw(0xFF00FF));
    EXPECT_TRUE(text.hasColorKey());
    EXPECT_EQ(text.colorKey(), raw(0xFF00FF));
    EXPECT_FALSE(screen.surface(SurfaceRole::FrameSurface).hasColorKey());

    // A caret that cannot be read is one pixel that is its own key.
    for (SurfaceRole role : {SurfaceRole::CaretSurface, SurfaceRole::PageCaretSurface}) {
        const Surface& caret = screen.surface(role);
        EXPECT_EQ(caret.width(), 1);
        EXPECT_EQ(caret.height(), 1);
        EXPECT_TRUE(caret.hasColorKey());
        EXPECT_EQ(caret.colorKey(), pixelAt(caret, 0, 0));
    }
    EXPECT_FALSE(screen.surface(SurfaceRole::ScratchSurface).valid());

    screen.present();
    EXPECT_EQ(platform.presentCount(), 1);
    EXPECT_EQ(platform.frame().width, 640);
    EXPECT_EQ(platform.frame().rgb[0], depth() == 16 ? 0xF8 : 0xFF);
}

TEST_P(ScreenDisplayTest, RefusedModesShowTheirMessages) {
    RecordingPlatform platform(depth());
    platform.device.refuse = true;
    GameConfig config = debugConfig();
    config.windowWidth = 800;
    config.windowHeight = 600;
    Screen screen(config, platform);
    EXPECT_LT(screen.createDisplay(), 0);
    ASSERT_EQ(platform.messagesShown().size(), 1u);
    EXPECT_EQ(platform.messagesShown()[0], "윈도우 모드 전환이 실패했습니다.");

    config.windowed = false;
    EXPECT_LT(screen.createDisplay(), 0);
    ASSERT_EQ(platform.messagesShown().size(), 2u);
    EXPECT_EQ(platform.messagesShown()[1],
              "이 시스템은 800x600x" + std::to_string(depth()) + "의 해상도를 지원하지 않습니다.");
    EXPECT_FALSE(screen.surface(SurfaceRole::FrameSurface).valid());
}

TEST_P(ScreenDisplayTest, ToggleKeepsThePictureAndWaitsForARunningEffect) {
    RecordingPlatform platform(depth());
    GameConfig config = debugConfig();
    Screen screen(config, platform);
    ASSERT_EQ(screen.createDisplay(), 0);
    EXPECT_FALSE(platform.device.lastFullScreen);
    Surface& frame = screen.surface(SurfaceRole::FrameSurface);
    frame.fillRect({10, 10, 20, 20}, 0x00FF00);
    const Surface* before = &frame;

    // A worker effect that finishes its frame once it sees the run flag cleared.
    screen.effectRun() = true;
    screen.effectBusy() = true;
    std::atomic<bool> sawCancel{false};
    std::thread worker([&] {
        while (screen.effectRun()) std::this_thread::yield();
        sawCancel = true;
        screen.effectBusy() = false;
    });
    ASSERT_EQ(screen.toggleDisplayMode(), 0);
    worker.join();
    EXPECT_TRUE(sawCancel);
    EXPECT_FALSE(screen.effectBusy());

    EXPECT_FALSE(config.windowed);
    EXPECT_TRUE(platform.device.lastFullScreen);
    EXPECT_EQ(platform.device.modeChanges, 2);
    EXPECT_EQ(&screen.surface(SurfaceRole::FrameSurface), before);
    EXPECT_EQ(pixelAt(screen.surface(SurfaceRole::FrameSurface), 15, 15), raw(0x00FF00));
    EXPECT_EQ(pixelAt(screen.surface(SurfaceRole::TextLayer), 0, 0), raw(0xFF00FF));

    // In full screen the picture moves below a shown menu bar.
    screen.updatePresentRect(true);
    EXPECT_EQ(screen.presentRect(), (Rect{0, 20, 640, 480}));
    screen.updatePresentRect(false);
    EXPECT_EQ(screen.presentRect(), (Rect{0, 0, 640, 480}));
    ASSERT_EQ(screen.toggleDisplayMode(), 0);
    screen.updatePresentRect(true);
    EXPECT_EQ(screen.presentRect(), (Rect{0, 0, 640, 480}));

    screen.restoreDisplayMode();
    EXPECT_EQ(platform.device.restores, 1);
}

INSTANTIATE_TEST_SUITE_P(BothDepths, ScreenDisplayTest, ::testing::Values(16, 32),
                         [](const auto& info) { return "Depth" + std::to_string(info.param); });

TEST(ScreenDisplay, AMissingImageArchiveEndsTheDisplayCreation) {
    HeadlessPlatform platform;
    GameConfig config;
    config.cgDirectory = "no-such-archive.qxa";
    Screen screen(config, platform);
    EXPECT_LT(screen.createDisplay(), 0);
    ASSERT_EQ(platform.messagesShown().size(), 1u);
    EXPECT_EQ(platform.messagesShown()[0], "Cannot create QXA File instance for file no-such-archive.qxa");
}

}  // namespace
}  // namespace morv
