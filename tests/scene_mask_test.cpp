// Characters and pictures drawn through the PNG alpha plane or the anti-aliasing mask.
#include "scene_test_fixture.h"
#include "support/image_files.h"

namespace morv {
namespace {

using test::pixelAt;
using test::SceneTest;

// One row of RGBA pixels per entry: red with the given opacities.
std::string redPngWithAlpha(const std::vector<std::vector<uint8_t>>& alphaRows) {
    testing::PngPicture spec;
    spec.height = static_cast<int>(alphaRows.size());
    spec.width = static_cast<int>(alphaRows[0].size());
    spec.colorType = PNG_COLOR_TYPE_RGB_ALPHA;
    for (const auto& alphas : alphaRows) {
        std::vector<uint8_t> row;
        for (uint8_t a : alphas) row.insert(row.end(), {0xFF, 0x00, 0x00, a});
        spec.rows.push_back(row);
    }
    return testing::writePng(spec);
}

class SceneMaskTest : public SceneTest {
protected:
    void SetUp() override {
        SceneTest::SetUp();
        config.imageAntialiasing = true;
        config.usePngAlpha = true;
        screen->setBackground("WHITE");
    }
    // One channel blended as written: (source x a >> 8) + (target x (255 - a) >> 8).
    static uint32_t blend(uint32_t s, uint32_t t, uint32_t a) { return ((s * a) >> 8) + ((t * (255 - a)) >> 8); }
    // Red over white at opacity a, as a raw pixel.
    uint32_t redOverWhite(uint32_t a) const {
        if (format() == PixelFormat::Rgb565) return blend(31, 31, a) << 11 | blend(0, 63, a) << 5 | blend(0, 31, a);
        return blend(255, 255, a) << 16 | blend(0, 255, a) << 8 | blend(0, 255, a);
    }
};

TEST_P(SceneMaskTest, PngAlphaPlaneDecidesOpacity) {
    const std::string png = file("ghost.png", redPngWithAlpha({{255, 128, 0, 255}}));
    ASSERT_EQ(screen->drawCharacterAt(png, 10, 10, true), 0);
    // The top-left pixel is opaque here: the alpha plane, not the key, decides.
    EXPECT_EQ(pixelAt(stage(), 10, 10), raw(0xFF0000));
    EXPECT_EQ(pixelAt(stage(), 11, 10), redOverWhite(128));
    EXPECT_EQ(pixelAt(stage(), 12, 10), raw(0xFFFFFF));
    EXPECT_EQ(pixelAt(stage(), 13, 10), raw(0xFF0000));
    EXPECT_TRUE(messages().empty());
}

TEST_P(SceneMaskTest, ScaledCharactersResampleTheAlphaPlane) {
    const std::string png = file("half.png", redPngWithAlpha({{255, 0, 0, 255}, {0, 0, 0, 0}}));
    screen->setCharacterScale(50);
    ASSERT_EQ(screen->drawCharacterAt(png, 0, 0, true), 0);
    // Column x of the 2 x 1 surface takes column 2x of the plane.
    EXPECT_EQ(pixelAt(stage(), 0, 0), raw(0xFF0000));
    EXPECT_EQ(pixelAt(stage(), 1, 0), raw(0xFFFFFF));
}

TEST_P(SceneMaskTest, WithoutPngAlphaTheKeyedMaskIsUsed) {
    const std::string png = file("ghost.png", redPngWithAlpha({{255, 128, 0, 255}}));
    config.usePngAlpha = false;
    ASSERT_EQ(screen->drawCharacterAt(png, 10, 10, true), 0);
    EXPECT_EQ(pixelAt(stage(), 10, 10), raw(0xFFFFFF)) << "the key color is transparent";

    // A BMP has no alpha plane: its top-left color is the key, solid inner pixels are opaque.
    config.usePngAlpha = true;
    const std::string bmp = file("box.bmp", test::bmpFile(8, 8, [](int x, int y) {
        return x == 0 || y == 0 || x == 7 || y == 7 ? 0xFF00FFu : 0x0000FFu;
    }));
    ASSERT_EQ(screen->drawCharacterAt(bmp, 100, 100, true), 0);
    EXPECT_EQ(pixelAt(stage(), 100, 100), raw(0xFFFFFF));
    EXPECT_EQ(pixelAt(stage(), 104, 104), raw(0x0000FF));
    EXPECT_EQ(pixelAt(stage(), 107, 103), raw(0xFFFFFF));
}

TEST_P(SceneMaskTest, MaskedDrawsHonourTheClipRectangle) {
    const std::string png = file("bar.png", redPngWithAlpha({{255, 255, 255, 255, 255, 255}}));
    screen->setCharacterClip({0, 0, 3, 480});
    ASSERT_EQ(screen->drawCharacterAt(png, -1, 0, true), 0);
    EXPECT_EQ(pixelAt(stage(), 0, 0), raw(0xFF0000));
    EXPECT_EQ(pixelAt(stage(), 2, 0), raw(0xFF0000));
    EXPECT_EQ(pixelAt(stage(), 3, 0), raw(0xFFFFFF));
    screen->resetCharacterClip();
    ASSERT_EQ(screen->drawPictureOnScene(png, 637, 479), 0);
    EXPECT_EQ(pixelAt(scene(), 639, 479), raw(0xFF0000));
}

INSTANTIATE_TEST_SUITE_P(BothDepths, SceneMaskTest, ::testing::Values(16, 32), test::depthName);

}  // namespace
}  // namespace morv
