// The text-window background blended over the scene.
#include <gtest/gtest.h>

#include <memory>

#include "display/window_blend.h"
#include "surface_test_pixels.h"

namespace morv {
namespace {

class WindowBlendTest : public ::testing::TestWithParam<PixelFormat> {
protected:
    PixelFormat format() const { return GetParam(); }
    bool is565() const { return format() == PixelFormat::Rgb565; }
    // A raw pixel from channels given at 8-bit precision.
    uint32_t raw(int r, int g, int b) const {
        return is565() ? static_cast<uint32_t>((r >> 3) << 11 | (g >> 2) << 5 | (b >> 3))
                       : static_cast<uint32_t>(r << 16 | g << 8 | b);
    }
    std::unique_ptr<Surface> make(int w, int h, uint32_t fill) {
        auto s = std::make_unique<Surface>(format(), nullptr);
        s->create(w, h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) test::setPixel(*s, x, y, fill);
        return s;
    }
};

TEST_P(WindowBlendTest, BlendsEveryChannelWithFlooredTermsInsideTheRectangleOnly) {
    // The rectangle starts on an odd column and touches the right and bottom edges.
    Surface surface(format(), nullptr);
    surface.create(7, 4);
    test::paintPositions(surface);
    const Rect rect{1, 1, 7, 4};
    WindowImage image(rect.width() + 1, rect.height() + 1, format(), configColor(200, 100, 50),
                      configColor(10, 250, 130), WindowImage::Horizontal);
    Surface before(format(), nullptr);
    before.create(7, 4);
    before.copy(surface, false);
    for (int step = 0; step <= 4; ++step) {
        surface.copy(before, false);
        blendWindow(surface.lock(), image, rect, step);
        const uint32_t t = step == 0 ? 0 : 2u << step, u = 32 - t;
        for (int y = 0; y < 4; ++y) {
            for (int x = 0; x < 7; ++x) {
                uint32_t scene = test::pixelAt(before, x, y), result = test::pixelAt(surface, x, y);
                if (x < rect.left || y < rect.top) {
                    EXPECT_EQ(result, scene);
                    continue;
                }
                uint32_t window = image.pixel(x - rect.left, y - rect.top), want = 0;
                const int shifts565[] = {11, 5, 0}, masks565[] = {0x1F, 0x3F, 0x1F};
                for (int c = 0; c < 3; ++c) {
                    int shift = is565() ? shifts565[c] : 16 - 8 * c;
                    uint32_t mask = is565() ? masks565[c] : 0xFF;
                    want |= (((window >> shift) & mask) * u / 32 + ((scene >> shift) & mask) * t / 32) << shift;
                }
                EXPECT_EQ(result, want) << "step " << step << " at " << x << "," << y;
            }
        }
    }
    // Step 0 shows the window exactly; step 4 leaves the scene.
    surface.copy(before, false);
    blendWindow(surface.lock(), image, rect, 0);
    EXPECT_EQ(test::pixelAt(surface, 1, 1), image.pixel(0, 0));
    surface.copy(before, false);
    blendWindow(surface.lock(), image, rect, 4);
    EXPECT_EQ(test::pixelAt(surface, 3, 2), test::pixelAt(before, 3, 2));
}

TEST_P(WindowBlendTest, BevelSidesAndCornersFollowTheirRules) {
    auto owned = make(26, 20, raw(32, 32, 32));
    Surface& surface = *owned;
    const Rect rect{6, 6, 14, 12};
    drawBevelOutline(surface.lock(), rect);
    // 3/8 of the pixel plus the side's grey.
    const uint32_t light = is565() ? (1 + 19) << 11 | (3 + 39) << 5 | (1 + 19) : 0xABABAB;
    const uint32_t below = is565() ? (1 + 10) << 11 | (3 + 20) << 5 | (1 + 10) : 0x5C5C5C;
    const uint32_t right = is565() ? (1 + 5) << 11 | (3 + 10) << 5 | (1 + 5) : 0x343434;
    const uint32_t plain = raw(32, 32, 32);
    auto at = [&](int x, int y) { return test::pixelAt(surface, x, y); };
    EXPECT_EQ(at(0, 0), light);
    EXPECT_EQ(at(5, 11), light);     // left band
    EXPECT_EQ(at(12, 17), below);    // bottom band
    EXPECT_EQ(at(14, 11), right);    // right band
    EXPECT_EQ(at(8, 8), plain);      // inside
    EXPECT_EQ(at(6, 18), plain);     // below the frame
    EXPECT_EQ(at(21, 3), plain);     // right of the frame
    const int s = is565() ? -1 : 0;  // the 16-bit corners sit one column to the left
    EXPECT_EQ(at(14 + s + 5, 0), light);  // top-right, first row all light
    EXPECT_EQ(at(16 + s, 3), light);      // fourth row: light left of R + 3
    EXPECT_EQ(at(17 + s, 3), right);
    EXPECT_EQ(at(4, 12), light);          // bottom-left first row all light
    EXPECT_EQ(at(5, 12), is565() ? plain : light);
    // Bottom-left last row: light only left of L - 5 (at 16 bits that column is off the surface).
    EXPECT_EQ(at(0, 17), is565() ? below : light);
    EXPECT_EQ(at(1, 17), below);
    EXPECT_EQ(at(15 + s, 12), right);     // bottom-right first row all darkest
    EXPECT_EQ(at(18 + s, 17), below);
    EXPECT_EQ(at(19 + s, 17), right);
    if (is565()) {
        EXPECT_EQ(at(19, 0), plain);  // the column the shifted corner leaves out
        // The column before R takes the top band and then the corner again.
        EXPECT_EQ(at(13, 0), static_cast<uint32_t>((20 * 3 / 8 + 19) << 11 | (42 * 3 / 8 + 39) << 5 | (20 * 3 / 8 + 19)));
    }
}

TEST_P(WindowBlendTest, FramesAtTheScreenEdgeWriteNothingOutside) {
    // The window covers the whole width and the bottom: only the top band is inside.
    for (int simple = 0; simple < 2; ++simple) {
        auto owned = make(20, 16, raw(32, 32, 32));
        Surface& surface = *owned;
        const Rect rect{0, 10, 20, 16};
        if (simple)
            drawSimpleOutline(surface.lock(), rect);
        else
            drawBevelOutline(surface.lock(), rect);
        int changed = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 20; ++x) {
                bool inBand = y >= 4 && y < 10;
                bool isChanged = test::pixelAt(surface, x, y) != raw(32, 32, 32);
                EXPECT_EQ(isChanged, inBand) << x << "," << y;
                changed += isChanged;
            }
        EXPECT_EQ(changed, 120);
        if (simple) {
            EXPECT_EQ(test::pixelAt(surface, 0, 4), is565() ? 0xE71Cu : 0xE0E0E0u);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(BothDepths, WindowBlendTest, ::testing::Values(PixelFormat::Rgb565, PixelFormat::Xrgb8888));

}  // namespace
}  // namespace morv
