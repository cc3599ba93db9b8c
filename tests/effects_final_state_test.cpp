// What each effect leaves on the frame, scene and stage surfaces.
#include "effects_test_fixture.h"

namespace morv::test {
namespace {

class EffectsFinalStateTest : public EffectsTest {};

// Effects that end with the new picture on the frame, the scene and the stage.
TEST_P(EffectsFinalStateTest, TransitionsEndOnTheNewPictureEverywhere) {
    for (int number : {0, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 22, 23, 26, 27, 28, 29, 30}) {
        SCOPED_TRACE(number);
        makeCanvas(24, 16);
        EXPECT_FALSE(run(number, 40));
        EXPECT_EQ(pixelsOf(frame()), newPicture);
        EXPECT_EQ(pixelsOf(scene()), newPicture);
        EXPECT_EQ(pixelsOf(stage()), newPicture);
        EXPECT_FALSE(bare->busy);
        EXPECT_GT(presents(), 0u);
    }
}

TEST_P(EffectsFinalStateTest, QuakesEndOnTheUnshakenSceneAndLeaveTheStage) {
    for (int number : {18, 19, 20, 21}) {
        SCOPED_TRACE(number);
        makeCanvas(24, 16);
        EXPECT_FALSE(run(number, 40, 3));
        EXPECT_EQ(presents(), 32u);
        EXPECT_EQ(pixelsOf(frame()), oldPicture);
        EXPECT_EQ(pixelsOf(scene()), oldPicture);
        EXPECT_EQ(pixelsOf(stage()), newPicture);
    }
}

TEST_P(EffectsFinalStateTest, InvertIsDoneAtOnceOnTheScene) {
    makeCanvas(24, 16);
    bare->sceneChanged = false;
    EXPECT_TRUE(run(5, 1000));
    EXPECT_EQ(presents(), 0u);
    const uint32_t mask = is16() ? 0xFFFF : 0xFFFFFFFF;
    EXPECT_EQ(pixelAt(scene(), 3, 2), ~oldAt(3, 2) & mask);
    EXPECT_EQ(pixelsOf(frame()), pixelsOf(scene()));
    EXPECT_EQ(pixelsOf(stage()), pixelsOf(scene()));
    EXPECT_TRUE(bare->sceneChanged);
}

// A quarter turn maps frame (x, y) to scene (W/2 + y - H/2, H/2 - x + W/2); the last
// column and row of the scene are never sampled.
TEST_P(EffectsFinalStateTest, RotationKeepsTheTurnedPictureOnView) {
    for (int number : {24, 25}) {
        SCOPED_TRACE(number);
        makeCanvas(16, 16);
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
    struct Case {
        int number;
        int firstShown;  // first column (or row) of the image on the frame at the end
        int frames;
    };
    for (const Case& c : {Case{1, 0, 17}, Case{2, 16, 16}, Case{3, 0, 9}, Case{4, 8, 8}}) {
        SCOPED_TRACE(c.number);
        const bool horizontal = c.number <= 2;
        makeCanvas(16, 8);
        if (horizontal) {
            makeScrollImage(32, 8, [](int x, int) { return x * 0x070707u; });
        } else {
            makeScrollImage(16, 16, [](int, int y) { return y * 0x0F0F0Fu; });
        }
        run(c.number, 20, 0);
        EXPECT_EQ(presents(), static_cast<size_t>(c.frames));
        for (int x = 0; x < 16; ++x) {
            ASSERT_EQ(pixelAt(frame(), x, 5),
                      horizontal ? pixelAt(scratch(), c.firstShown + x, 5) : pixelAt(scratch(), x, c.firstShown + 5));
        }
        EXPECT_EQ(pixelsOf(scene()), pixelsOf(frame()));
        EXPECT_EQ(pixelsOf(stage()), pixelsOf(frame()));
    }
}

TEST_P(EffectsFinalStateTest, NumbersThatAreNoBuiltInEffectChangeNothing) {
    makeCanvas(8, 8);
    EXPECT_FALSE(run(-1, 10));
    EXPECT_FALSE(run(31, 10));
    EXPECT_EQ(presents(), 0u);
    EXPECT_EQ(pixelsOf(scene()), oldPicture);
}

INSTANTIATE_TEST_SUITE_P(Depths, EffectsFinalStateTest, ::testing::Values(16, 32), depthName);

}  // namespace
}  // namespace morv::test
