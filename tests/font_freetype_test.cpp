// Text measured and drawn with FreeType.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "display/freetype_font.h"

namespace morv {
namespace {

const std::string kGa = "\xB0\xA1";  // "가"
constexpr uint32_t kMagenta = 0xFF00FF;

FontRecord fontOf(int height, uint8_t quality, int weight = FontRecord::kWeightNormal) {
    FontRecord record;
    record.height = height;
    record.quality = quality;
    record.weight = weight;
    return record;
}

// A 32-bit canvas filled with magenta.
struct Canvas32 {
    int width, height;
    std::vector<uint32_t> pixels;
    Canvas32(int w, int h) : width(w), height(h), pixels(static_cast<size_t>(w) * h, kMagenta) {}
    PixelRows rows() {
        return {reinterpret_cast<uint8_t*>(pixels.data()), width * 4, width, height, PixelFormat::Xrgb8888};
    }
    uint32_t at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
    int changed() const { return static_cast<int>(std::count_if(pixels.begin(), pixels.end(), [](uint32_t p) { return p != kMagenta; })); }
};

TEST(FreeTypeFont, FindsAKoreanFaceForUnknownWindowsNames) {
    FreeTypeFont font(fontOf(24, FontRecord::kQualityNonAntialiased));  // "굴림체" by default
    ASSERT_TRUE(font.hasFace());
    EXPECT_EQ(font.height(), 24);
    Canvas32 canvas(40, 30);
    font.draw(canvas.rows(), Rect{0, 0, canvas.width, canvas.height}, 2, 2, kGa, configColor(255, 255, 255));
    EXPECT_GT(canvas.changed(), 20);
}

TEST(FreeTypeFont, RendersEachCharacterOnceWhileTyping) {
    FreeTypeFont font(fontOf(24, FontRecord::kQualityAntialiased));
    Canvas32 canvas(200, 30);
    const std::string text = kGa + kGa + "A" + kGa;
    for (int round = 0; round < 3; ++round) {
        for (size_t pos = 0; pos < text.size();) {
            int length = 0;
            int width = font.charWidth(text, pos, &length);
            EXPECT_GT(width, 0);
            font.draw(canvas.rows(), Rect{0, 0, canvas.width, canvas.height}, 0, 0, std::string_view(text).substr(pos, length), 0xFFFFFF);
            pos += length;
        }
    }
    EXPECT_EQ(font.renderedGlyphs(), 2);
}

TEST(FreeTypeFont, MeasuresOneAndTwoByteCharacters) {
    FreeTypeFont font(fontOf(24, FontRecord::kQualityNonAntialiased));
    int length = 0;
    int ascii = font.charWidth("Ai", 0, &length);
    EXPECT_EQ(length, 1);
    int hangul = font.charWidth(kGa + "A", 0, &length);
    EXPECT_EQ(length, 2);
    EXPECT_GT(ascii, 0);
    EXPECT_GT(hangul, ascii);
    EXPECT_LE(hangul, 26);
    EXPECT_EQ(textWidth(font, "A" + kGa), ascii + hangul);

    FreeTypeFont bold(fontOf(24, FontRecord::kQualityNonAntialiased, FontRecord::kWeightBold));
    EXPECT_EQ(bold.charWidth(kGa, 0), hangul + 1);
}

TEST(FreeTypeFont, MonochromeWritesOnlyTheColorAntialiasedBlendsCoverage) {
    const ConfigColor white = configColor(255, 255, 255);
    FreeTypeFont mono(fontOf(24, FontRecord::kQualityNonAntialiased));
    FreeTypeFont smooth(fontOf(24, FontRecord::kQualityAntialiased));
    auto valuesOf = [&](FreeTypeFont& font) {
        Canvas32 canvas(40, 30);
        std::fill(canvas.pixels.begin(), canvas.pixels.end(), 0u);
        font.draw(canvas.rows(), Rect{0, 0, canvas.width, canvas.height}, 0, 0, kGa, white);
        return std::set<uint32_t>(canvas.pixels.begin(), canvas.pixels.end());
    };
    EXPECT_EQ(valuesOf(mono), (std::set<uint32_t>{0u, 0xFFFFFFu}));
    std::set<uint32_t> smoothValues = valuesOf(smooth);
    EXPECT_GT(smoothValues.size(), 3u);
    for (uint32_t v : smoothValues) EXPECT_TRUE((v >> 16) == (v & 0xFF) && (v & 0xFF) == ((v >> 8) & 0xFF));
}

TEST(FreeTypeFont, DrawsSixteenBitPixelsInsideTheClipOnly) {
    FreeTypeFont font(fontOf(24, FontRecord::kQualityNonAntialiased));
    std::vector<uint16_t> pixels(40 * 30, 0xF81F);
    PixelRows rows{reinterpret_cast<uint8_t*>(pixels.data()), 80, 40, 30, PixelFormat::Rgb565};
    Rect clip{0, 0, 12, 30};
    font.draw(rows, clip, 0, 0, kGa, configColor(255, 0, 0));
    int red = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x) {
            uint16_t p = pixels[y * 40 + x];
            if (x >= 12) { EXPECT_EQ(p, 0xF81F); }
            if (p == 0xF800) ++red;
            EXPECT_TRUE(p == 0xF81F || p == 0xF800);
        }
    EXPECT_GT(red, 5);
}

TEST(FreeTypeFont, UnderlineAndStrikeOutSpanTheAdvance) {
    FontRecord record = fontOf(24, FontRecord::kQualityNonAntialiased);
    record.underline = 1;
    record.strikeOut = 1;
    FreeTypeFont font(record);
    Canvas32 canvas(40, 30);
    font.draw(canvas.rows(), Rect{0, 0, canvas.width, canvas.height}, 0, 0, " ", configColor(0, 0, 255));
    int advance = font.charWidth(" ", 0);
    int fullRows = 0;
    for (int y = 0; y < 30; ++y) {
        bool full = true;
        for (int x = 0; x < advance; ++x) full = full && canvas.at(x, y) == 0x0000FF;
        if (full) ++fullRows;
        EXPECT_EQ(canvas.at(advance, y), kMagenta);
        if (y >= 24) { EXPECT_EQ(canvas.at(0, y), kMagenta); }
    }
    EXPECT_GE(fullRows, 2);
}

}  // namespace
}  // namespace morv
