// Transition commands: the picture put in place before the effect.
#include "display/screen.h"
#include "interpreter/scenario_state.h"
#include "interpreter_support.h"
#include "scene_test_fixture.h"

namespace morv::testing {
namespace {

using Effects = InterpreterTest;

const std::string kLowWindow = "TEXT_WINDOW_RECT = 0, 32, 60, 44\n";

// Red over the screen's width, blue beyond it.
std::string wideImage() {
    return morv::test::bmpFile(128, 48, [](int x, int) { return x < 64 ? 0xFF0000u : 0x0000FFu; });
}

TEST_F(Effects, TheCommandLoadsTheScrollImageAndTheScrollEndsOnItsFarEnd) {
    writeGame({{"scenario.txt", "cg BLACK 0\ncgeffect RSCROLL 64 wide.bmp\nend\n"}}, kLowWindow);
    dir_.write("wide.bmp", wideImage());
    start();
    ASSERT_TRUE(playToEnd(50));
    const Surface& scene = runner_->screen()->surface(SurfaceRole::SceneSurface);
    EXPECT_EQ(morv::test::pixelAt(scene, 0, 0), screenColorToPixel(0x0000FF, scene.format()));
    EXPECT_TRUE(platform_->messagesShown().empty());
}

TEST_F(Effects, AScrollOfTheKeptStageShowsNoMessage) {
    writeGame({{"scenario.txt", "cg PURPLE 0\ncgeffect LSCROLL 64 BUFFER\nend\n"}}, kLowWindow);
    start();
    ASSERT_TRUE(playToEnd(50));
    EXPECT_TRUE(platform_->messagesShown().empty());
    const Surface& stage = runner_->screen()->surface(SurfaceRole::StageSurface);
    EXPECT_EQ(morv::test::pixelAt(stage, 0, 0), screenColorToPixel(0xFF00FF, stage.format()));
}

}  // namespace
}  // namespace morv::testing
