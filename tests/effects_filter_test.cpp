// The instant color filters and their formulas at both depths.
#include <random>

#include "effects/rect_effect.h"
#include "effects_test_fixture.h"

namespace morv::test {
namespace {

class EffectsFilterTest : public EffectsTest {
protected:
    FilterRequest request(std::vector<std::string> arguments) { return filterRequestFromArguments(arguments); }
};

TEST_P(EffectsFilterTest, GrayAtAnOddColumnInSixteenBitsAlsoGreysItsLeftNeighbour) {
    makeCanvas(8, 4);
    setPixel(scene(), 2, 1, screenColorToPixel(0xF00000, scene().format()));
    setPixel(scene(), 3, 1, screenColorToPixel(0x00F000, scene().format()));
    runRectEffect(bare->canvas(), request({"GRAY", "3", "1", "3", "1"}), FilterTarget::Scene);
    const uint32_t gray = is16() ? (10u << 11 | 20u << 5 | 10u) : 0x505050u;  // (30 + 0 + 0) / 3; (240) / 3
    EXPECT_EQ(pixelAt(scene(), 3, 1), gray);
    EXPECT_EQ(pixelAt(scene(), 2, 1), is16() ? gray : screenColorToPixel(0xF00000, scene().format()));
    EXPECT_EQ(pixelAt(scene(), 1, 1), oldAt(1, 1));
    EXPECT_EQ(pixelAt(scene(), 4, 1), oldAt(4, 1));
    EXPECT_EQ(pixelAt(scene(), 3, 0), oldAt(3, 0));
}

TEST_P(EffectsFilterTest, SixteenBitRectanglesWidenToWholePairsOnBothSides) {
    makeCanvas(8, 2);
    runRectEffect(bare->canvas(), request({"INVERT", "1", "0", "4", "0"}), FilterTarget::Stage);
    for (int x = 0; x < 8; ++x) {
        const bool inside = is16() ? x <= 5 : x >= 1 && x <= 4;
        const uint32_t inverted = ~newAt(x, 0) & (is16() ? 0xFFFFu : 0xFFFFFFFFu);
        EXPECT_EQ(pixelAt(stage(), x, 0), inside ? inverted : newAt(x, 0)) << x;
    }
}

TEST_P(EffectsFilterTest, SepiaIsGrayThenABrownBlend) {
    makeCanvas(32, 8);
    std::mt19937 random(7);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 32; ++x) setPixel(scene(), x, y, random() & (is16() ? 0xFFFFu : 0xFFFFFFu));
    const std::vector<uint32_t> original = pixelsOf(scene());
    runRectEffect(bare->canvas(), request({"sepia"}), FilterTarget::Scene);
    const std::vector<uint32_t> sepia = pixelsOf(scene());
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 32; ++x) setPixel(scene(), x, y, original[static_cast<size_t>(y * 32 + x)]);
    runRectEffect(bare->canvas(), request({"GRAY"}), FilterTarget::Scene);
    runRectEffect(bare->canvas(), request({"BLEND", "0", "0", "31", "7", "140", "60", "0"}), FilterTarget::Scene);
    EXPECT_EQ(pixelsOf(scene()), sepia);
}

TEST_P(EffectsFilterTest, BlendHalvesEachChannelTowardTheColor) {
    makeCanvas(4, 2);
    scene().fill(0xFF8040);
    runRectEffect(bare->canvas(), request({"3", "0", "0", "3", "1", "255", "255", "255"}), FilterTarget::Scene);
    // 16 bits: (31 >> 1) + 15, (32 >> 1) + 31, (8 >> 1) + 15; 32 bits: half of each plus 127.
    EXPECT_EQ(pixelAt(scene(), 2, 1), is16() ? (30u << 11 | 47u << 5 | 19u) : 0xFEBF9Fu);
}

TEST(EffectsFilterFormulaTest, GrayThirtyTwoBitsAveragesTheChannelsAndInvertTouchesEveryBit) {
    Surface s(PixelFormat::Xrgb8888, nullptr);
    ASSERT_EQ(s.create(4, 2), 0);
    setPixel(s, 0, 0, 0xAA102030);
    setPixel(s, 1, 0, 0xAA102030);
    filterRect(s, RectFilter::Gray, {0, 0, 0, 0});
    EXPECT_EQ(pixelAt(s, 0, 0), 0x202020u);
    filterRect(s, RectFilter::Invert, {1, 0, 1, 0});
    EXPECT_EQ(pixelAt(s, 1, 0), 0x55EFDFCFu);
}

TEST_P(EffectsFilterTest, SceneFilterIsShownAndBecomesTheStageWhileTheBufferFilterChangesOnlyTheStage) {
    makeCanvas(8, 4);
    frame().fill(0);
    runRectEffect(bare->canvas(), request({"INVERT"}), FilterTarget::Stage);
    EXPECT_EQ(pixelsOf(scene()), oldPicture);
    EXPECT_NE(pixelsOf(stage()), newPicture);
    EXPECT_EQ(pixelAt(frame(), 7, 3), 0u);

    bare->sceneChanged = false;
    runRectEffect(bare->canvas(), request({"INVERT"}), FilterTarget::Scene);
    EXPECT_NE(pixelAt(scene(), 7, 3), oldAt(7, 3));  // the whole screen
    EXPECT_EQ(pixelsOf(frame()), pixelsOf(scene()));
    EXPECT_EQ(pixelsOf(stage()), pixelsOf(scene()));
    EXPECT_TRUE(bare->sceneChanged);
}

TEST_P(EffectsFilterTest, ArgumentRules) {
    EXPECT_EQ(request({"blend", "1", "2", "3", "4", "10", "20"}).color.green, 20);
    EXPECT_EQ(request({"blend", "1", "2", "3", "4", "10", "20"}).color.blue, 0);
    EXPECT_EQ(request({"invert"}).filter, 2);
    EXPECT_EQ(request({"fancy", "0", "0", "1", "1"}).filter, 0);
    EXPECT_TRUE(request({"GRAY"}).wholeScreen);
    EXPECT_FALSE(request({"GRAY", "5"}).wholeScreen);

    // A filter number outside 0 to 3 does nothing; rectangles reaching past the
    // screen are cut at its edges.
    makeCanvas(8, 4);
    runRectEffect(bare->canvas(), request({"7"}), FilterTarget::Scene);
    EXPECT_EQ(pixelsOf(scene()), oldPicture);
    runRectEffect(bare->canvas(), request({"INVERT", "-5", "-5", "100", "2"}), FilterTarget::Stage);
    EXPECT_NE(pixelAt(stage(), 0, 2), newAt(0, 2));
    EXPECT_EQ(pixelAt(stage(), 0, 3), newAt(0, 3));
}

INSTANTIATE_TEST_SUITE_P(Depths, EffectsFilterTest, ::testing::Values(16, 32), depthName);

}  // namespace
}  // namespace morv::test
