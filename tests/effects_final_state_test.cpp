// What each effect leaves on the frame, scene and stage surfaces.
#include "effects_test_fixture.h"

namespace morv::test {
namespace {

class EffectsFinalStateTest : public EffectsTest {};

// Effects that end with the new picture on the frame, the scene and the stage.
TEST_P(EffectsFinalStateTest, TransitionsEndOnTheNewPictureEverywhere) {
    for (int number : {0, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 22, 23, 26, 27, 28, 29, 30}) {
        SCOPED_TRACE(number);
        makeScreen(24, 16);
        EXPECT_FALSE(run(number, 40));
        EXPECT_EQ(pixelsOf(frame()), newPicture);
        EXPECT_EQ(pixelsOf(scene()), newPicture);
        EXPECT_EQ(pixelsOf(stage()), newPicture);
        EXPECT_FALSE(screen->effectBusy());
        EXPECT_GT(presents(), 0u);
    }
}

TEST_P(EffectsFinalStateTest, QuakesEndOnTheUnshakenSceneAndLeaveTheStage) {
    for (int number : {18, 19, 20, 21}) {
        SCOPED_TRACE(number);
        makeScreen(24, 16);
        EXPECT_FALSE(run(number, 40, 3));
        EXPECT_EQ(presents(), 32u);
        EXPECT_EQ(pixelsOf(frame()), oldPicture);
        EXPECT_EQ(pixelsOf(scene()), oldPicture);
        EXPECT_EQ(pixelsOf(stage()), newPicture);
    }
}

TEST_P(EffectsFinalStateTest, InvertIsDoneAtOnceOnTheScene) {
    makeScreen(24, 16);
    screen->setSceneChanged(false);
    EXPECT_TRUE(run(5, 1000));
    EXPECT_EQ(presents(), 0u);
    const uint32_t mask = is16() ? 0xFFFF : 0xFFFFFFFF;
    EXPECT_EQ(pixelAt(scene(), 3, 2), ~oldAt(3, 2) & mask);
    EXPECT_EQ(pixelsOf(frame()), pixelsOf(scene()));
    EXPECT_EQ(pixelsOf(stage()), pixelsOf(scene()));
    EXPECT_TRUE(screen->sceneChanged());
}

// A quarter turn maps frame (x, y) to scene (W/2 + y - H/2, H/2 - x + W/2); the last
// column and row of the scene are never sampled.
TEST_P(EffectsFinalStateTest, RotationKeepsTheTurnedPictureOnView) {
    for (int number : {24, 25}) {
        SCOPED_TRACE(number);
        makeScreen(16, 16);
        run(number, 30);
        EXPECT_EQ(presents(), 16u);
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                const int sx = number == 24 ? y : 16 - y, sy = number == 24 ? 16 - x : x;
                const bool inside = sx >= 0 && sx < 15 && sy >= 0 && sy < 15;
                ASSERT_EQ(pixelAt(frame(), x, y), inside ? oldAt(sx, sy) : 0u) << x << "," << y;
            }
        }
        EXPECT_EQ(pixelsOf(scene()), pixelsOf(frame()));
        EXPECT_EQ(pixelsOf(stage()), pixelsOf(frame()));
    }
}

// The scroll image is twice the screen in the scroll direction; the last scroll
// position becomes the scene.
TEST_P(EffectsFinalStateTest, ScrollsEndAtTheirEndPosition) {
    makeScreen(16, 8);
    const std::string wide = dir.write("wide.bmp", bmpFile(32, 8, [](int x, int) { return x * 0x070707u; })).string();
    const std::string tall = dir.write("tall.bmp", bmpFile(16, 16, [](int, int y) { return y * 0x0F0F0Fu; })).string();
    struct Case {
        int number;
        const std::string& picture;
        int firstShown;  // first column (or row) of the image on the frame at the end
        int frames;
    };
    for (const Case& c : {Case{1, wide, 0, 17}, Case{2, wide, 16, 16}, Case{3, tall, 0, 9}, Case{4, tall, 8, 8}}) {
        SCOPED_TRACE(c.number);
        makeScreen(16, 8);
        run(c.number, 20, 0, c.picture);
        EXPECT_EQ(presents(), static_cast<size_t>(c.frames));
        const Surface& image = screen->surface(SurfaceRole::ScratchSurface);
        const bool horizontal = c.number <= 2;
        for (int x = 0; x < 16; ++x) {
            ASSERT_EQ(pixelAt(frame(), x, 5),
                      horizontal ? pixelAt(image, c.firstShown + x, 5) : pixelAt(image, x, c.firstShown + 5));
        }
        EXPECT_EQ(pixelsOf(scene()), pixelsOf(frame()));
        EXPECT_EQ(pixelsOf(stage()), pixelsOf(frame()));
    }
}

TEST_P(EffectsFinalStateTest, APictureBecomesTheStageFirst) {
    makeScreen(8, 8);
    run(0, 0, std::nullopt, "white");
    EXPECT_EQ(pixelAt(scene(), 4, 4), screenColorToPixel(0xFFFFFF, scene().format()));
    EXPECT_EQ(pixelAt(frame(), 0, 7), screenColorToPixel(0xFFFFFF, scene().format()));
}

TEST_P(EffectsFinalStateTest, NumbersThatAreNoBuiltInEffectChangeNothing) {
    makeScreen(8, 8);
    EXPECT_FALSE(run(-1, 10));
    EXPECT_FALSE(run(31, 10));
    EXPECT_EQ(presents(), 0u);
    EXPECT_EQ(pixelsOf(scene()), oldPicture);
}

INSTANTIATE_TEST_SUITE_P(Depths, EffectsFinalStateTest, ::testing::Values(16, 32), depthName);

}  // namespace
}  // namespace morv::test
