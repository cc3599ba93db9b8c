// The real game window on SDL's dummy video driver with the software renderer:
// the menu bar above a client area that shows the whole game frame.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "app/game_app.h"
#include "interpreter/scenario_runner.h"
#include "platform/sdl/imgui_layer.h"
#include "platform/sdl/sdl_display.h"
#include "platform/sdl/sdl_platform.h"
#include "platform/sdl/sdl_window.h"
#include "support/real_window_game.h"

namespace morv::testing {
namespace {

struct Rgb {
    int red, green, blue;
};

class Screenshot {
public:
    Screenshot(SDL_Renderer* renderer, int width, int height) : width_(width), pixels_(width * height) {
        SDL_RenderReadPixels(renderer, nullptr, SDL_PIXELFORMAT_ARGB8888, pixels_.data(), width * 4);
    }
    Rgb at(int x, int y) const {
        uint32_t p = pixels_[static_cast<size_t>(y) * width_ + x];
        return {static_cast<int>(p >> 16 & 0xFF), static_cast<int>(p >> 8 & 0xFF), static_cast<int>(p & 0xFF)};
    }

private:
    int width_;
    std::vector<uint32_t> pixels_;
};

TEST(SdlGameWindow, TheMenuBarShowsAboveAClientAreaFilledByTheFrame) {
    RealWindowGame game("dummy");
    SdlPlatform platform;
    ASSERT_TRUE(platform.ready());
    {
        GameApp app(platform);
        ASSERT_TRUE(app.start());
        ASSERT_FALSE(app.startupFailed());
        // Let the page type itself out.
        const uint32_t start = SDL_GetTicks();
        while (SDL_GetTicks() - start < 1500) {
            app.runner()->Tick();
            SDL_Delay(10);
        }
        auto& window = static_cast<SdlWindow&>(platform.window());
        auto& display = static_cast<SdlDisplay&>(platform.display());
        display.repaint();
        int width = 0;
        int height = 0;
        SDL_GetWindowSize(window.handle(), &width, &height);
        EXPECT_EQ(width, 640);
        EXPECT_EQ(height, 480 + WindowSystem::kMenuBarHeight);
        ASSERT_TRUE(window.menuBarAttached());
        // SDL_RenderReadPixels reads the back buffer: draw the same picture once more.
        display.drawLastFrame();
        ImGuiLayer& layer = window.overlay();
        layer.beginFrame();
        window.drawMenusStill();
        layer.endFrame();
        Screenshot shot(window.renderer(), width, height);

        // The bar: its grey background with dark text in it.
        Rgb barBackground = shot.at(630, 10);
        EXPECT_LT(barBackground.red, 250);
        EXPECT_GT(barBackground.red, 150);
        int darkInTitles = 0;
        for (int x = 0; x < 300; ++x) {
            for (int y = 0; y < WindowSystem::kMenuBarHeight; ++y) darkInTitles += shot.at(x, y).red < 100 ? 1 : 0;
        }
        EXPECT_GT(darkInTitles, 100);
        // The frame right below it: the white scene at the top, the window's blue at the bottom.
        Rgb sceneTop = shot.at(320, WindowSystem::kMenuBarHeight);
        EXPECT_EQ(sceneTop.red, 255);
        EXPECT_EQ(sceneTop.blue, 255);
        Rgb windowBottom = shot.at(320, height - 20);
        EXPECT_GT(windowBottom.blue, windowBottom.red + 20);
    }
}

}  // namespace
}  // namespace morv::testing
