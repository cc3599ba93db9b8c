// The ripple's settings, weights and displacement tables, and its disk on raw rows.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <utility>
#include <vector>

#include "effects_library/ripple_frame.h"
#include "effects_library/ripple_settings.h"
#include "effects_library/ripple_tables.h"

namespace morv::ripple {
namespace {

TEST(RippleSettingsTest, DecodesTheDigitsOfDurationAndParameter) {
    const RippleSettings s = decodeSettings(10520300, 320240);
    EXPECT_EQ(s.radius, 300u);
    EXPECT_EQ(s.durationMs, 2000u);
    EXPECT_EQ(s.waves, 5u);
    EXPECT_EQ(s.amplitude, 1u);
    EXPECT_EQ(s.centreX, 320);
    EXPECT_EQ(s.centreY, 240);
    EXPECT_FALSE(s.ringMovesOn);

    const RippleSettings moving = decodeSettings(10520300, 1320240);
    EXPECT_EQ(moving.centreX, 320);
    EXPECT_EQ(moving.centreY, 240);
    EXPECT_TRUE(moving.ringMovesOn);

    // A negative parameter is a large unsigned word and sets F.
    EXPECT_TRUE(decodeSettings(10520300, static_cast<uint32_t>(-5)).ringMovesOn);
    EXPECT_EQ(decodeSettings(9999, 0).durationMs, 0u);
    EXPECT_EQ(decodeSettings(4294967295u, 0).amplitude, 429u);
}

TEST(RippleSettingsTest, RadiiBeyondTheTablesAreClamped) {
    EXPECT_EQ(decodeSettings(11023, 0).radius, 1023u);
    EXPECT_EQ(decodeSettings(11024, 0).radius, kMaxRadius);
    EXPECT_EQ(decodeSettings(19999, 0).radius, kMaxRadius);
}

TEST(RippleSettingsTest, FrontGrowsThenStaysOrMovesOn) {
    RippleSettings s = decodeSettings(10520300, 320240);
    EXPECT_DOUBLE_EQ(frontOffset(s, 0.0), -300.0);
    EXPECT_DOUBLE_EQ(frontOffset(s, 0.25), -150.0);
    EXPECT_DOUBLE_EQ(frontOffset(s, 0.5), 0.0);
    EXPECT_DOUBLE_EQ(frontOffset(s, 0.75), 0.0);
    s.ringMovesOn = true;
    EXPECT_DOUBLE_EQ(frontOffset(s, 0.75), 150.0);
    EXPECT_DOUBLE_EQ(frontOffset(s, 1.0), 300.0);
}

TEST(RippleSettingsTest, WeightsShowOldThenBlendThenNew) {
    for (double t : {0.0, 0.1, 0.199}) {
        EXPECT_EQ(blendWeights(t).oldWeight, 256) << t;
        EXPECT_EQ(blendWeights(t).newWeight, 0) << t;
    }
    for (double t : {0.901, 0.95, 1.0}) {
        EXPECT_EQ(blendWeights(t).oldWeight, 0) << t;
        EXPECT_EQ(blendWeights(t).newWeight, 256) << t;
    }
    // (0.55 - 0.2) x 256 / 0.7 = 128.
    EXPECT_EQ(blendWeights(0.55).newWeight, 128);
    EXPECT_EQ(blendWeights(0.55).oldWeight, 128);
    EXPECT_EQ(blendWeights(0.2).newWeight, 0);
    const BlendWeights late = blendWeights(0.9);
    EXPECT_EQ(late.oldWeight + late.newWeight, 256);
    EXPECT_GE(late.newWeight, 255);
}

TEST(RippleTablesTest, DisplacementPullsInwardInsideTheRingOnly) {
    const RippleSettings s = decodeSettings(10520300, 320240);
    const double t = 0.3;
    const double front = frontOffset(s, t);  // -120: the ring covers r from 0 to 180
    for (double r = 0; r <= 300; r += 7) {
        const int32_t v = DisplacementTables::displacement(s, t, front, r);
        EXPECT_LE(v, 0) << r;
        if (r > 180.5) {
            EXPECT_EQ(v, 0) << r;
        }
    }
    // Between the peaks of the wave the displacement is nonzero somewhere.
    bool moved = false;
    for (double r = 1; r < 180; r += 1) moved = moved || DisplacementTables::displacement(s, t, front, r) != 0;
    EXPECT_TRUE(moved);
}

TEST(RippleTablesTest, TableEntriesMatchTheWaveAtTheirSquaredDistance) {
    const RippleSettings s = decodeSettings(30520300, 320240);
    DisplacementTables tables;
    const double front = frontOffset(s, 0.4);
    tables.build(s, 0.4, front);
    EXPECT_EQ(tables.at(200), DisplacementTables::displacement(s, 0.4, front, std::sqrt(200.0)));
    EXPECT_EQ(tables.at(1000), DisplacementTables::displacement(s, 0.4, front, std::sqrt(32.0 * (1000 >> 5))));
    EXPECT_EQ(tables.at(70000), DisplacementTables::displacement(s, 0.4, front, std::sqrt(256.0 * (70000 >> 8))));
    EXPECT_EQ(tables.at(300000), DisplacementTables::displacement(s, 0.4, front, std::sqrt(1024.0 * (300000 >> 10))));
    EXPECT_EQ(tables.at(DisplacementTables::kReach), 0);
}

TEST(RippleTablesTest, ExtremeSettingsStayFinite) {
    DisplacementTables tables;
    // Radius 0 would divide by zero; the largest amplitude and radius must not overflow.
    for (uint32_t duration : {10000u, 4294961023u, 4294911023u}) {
        const RippleSettings s = decodeSettings(duration, 1500500);
        for (double t : {0.0, 0.5, 0.99}) tables.build(s, t, frontOffset(s, t));
        EXPECT_EQ(DisplacementTables::displacement(s, 0.5, 0.0, 0.0), 0);
    }
    EXPECT_EQ(DisplacementTables::displacement(decodeSettings(10000, 0), 0.5, 0.0, 10.0), 0);
}

// A frame of 0xEE bytes over an old picture of 0x11 bytes and a new one of 0x77 bytes; rows
// have padding after their pixels.
struct RawCanvas {
    RawCanvas(int w, int h, bool sixteen) : width(w), height(h), sixteenBit(sixteen) {
        const size_t bytes = static_cast<size_t>(pitch()) * static_cast<size_t>(h);
        frame.assign(bytes, 0xEE);
        scene.assign(bytes, 0x11);
        stage.assign(bytes, 0x77);
    }
    ptrdiff_t pitch() const { return width * (sixteenBit ? 2 : 4) + 8; }
    RippleCanvas canvas() { return {frame.data(), scene.data(), stage.data(), width, height, pitch(), sixteenBit}; }
    int width;
    int height;
    bool sixteenBit;
    std::vector<uint8_t> frame;
    std::vector<uint8_t> scene;
    std::vector<uint8_t> stage;
};

TEST(RippleFrameTest, DrawsOnlyInsideTheDiskAndTheScreen) {
    for (bool sixteen : {false, true}) {
        RawCanvas raw(40, 30, sixteen);
        // Radius 8 around (5, 25): the disk reaches past the left and bottom edges.
        const RippleSettings s = decodeSettings(110008, 5025);
        DisplacementTables tables;
        tables.build(s, 0.0, frontOffset(s, 0.0));
        drawRippleFrame(raw.canvas(), s, tables, {256, 0});
        const int bpp = sixteen ? 2 : 4;
        for (int y = 0; y < raw.height; ++y) {
            const int dy = y - 25;
            const int halfWidth = dy >= -8 && dy < 8 ? static_cast<int>(std::sqrt(64.0 - dy * dy)) : -1;
            for (int x = 0; x < raw.width; ++x) {
                const int dx = x - 5;
                const bool drawn = halfWidth >= 0 && dx >= -halfWidth && dx < halfWidth;
                const uint8_t byte = raw.frame[static_cast<size_t>(y * raw.pitch() + x * bpp)];
                EXPECT_EQ(byte, drawn ? 0x11 : 0xEE) << x << "," << y << (sixteen ? " 16-bit" : " 32-bit");
            }
        }
        // The padding past each row's pixels is never written.
        for (int y = 0; y < raw.height; ++y) EXPECT_EQ(raw.frame[static_cast<size_t>(y * raw.pitch() + raw.width * bpp)], 0xEE);
    }
}

TEST(RippleFrameTest, HugeRadiusOnASmallScreenStaysInside) {
    RawCanvas raw(16, 12, false);
    const RippleSettings s = decodeSettings(4294961023u, 999999);  // radius 1023, centre far outside
    DisplacementTables tables;
    tables.build(s, 0.3, frontOffset(s, 0.3));
    drawRippleFrame(raw.canvas(), s, tables, {128, 128});
    const RippleSettings inside = decodeSettings(4294961023u, 8006);
    tables.build(inside, 0.3, frontOffset(inside, 0.3));
    drawRippleFrame(raw.canvas(), inside, tables, {128, 128});
    // Every pixel is untouched or the even blend of the two pictures.
    for (int y = 0; y < raw.height; ++y)
        for (int x = 0; x < raw.width; ++x) {
            const uint8_t byte = raw.frame[static_cast<size_t>(y * raw.pitch() + x * 4)];
            EXPECT_TRUE(byte == 0xEE || byte == (0x11 + 0x77) / 2) << x << "," << y;
        }
}

TEST(RippleFrameTest, BlendsEachChannelByTheWeights) {
    EXPECT_EQ(blend32(0x00FF8040, 0x00000000, {128, 128}), 0x007F4020u);
    EXPECT_EQ(blend32(0x00102030, 0x00A0B0C0, {0, 256}), 0x00A0B0C0u);
    EXPECT_EQ(blend32(0xFF102030, 0xFFA0B0C0, {256, 0}), 0x00102030u);
    // RGB565: full red and full green halve to 15 and 31.
    EXPECT_EQ(blend16(0xF800, 0x07E0, {128, 128}), static_cast<uint16_t>((15 << 11) | (31 << 5)));
    EXPECT_EQ(blend16(0xFFFF, 0x0000, {0, 256}), 0);
}

// The disk as its formula reads, one pixel at a time with plain integer division and
// channel by channel blending.
void drawPlainDisk(const RippleCanvas& c, const RippleSettings& s, const DisplacementTables& tables, BlendWeights w) {
    const int64_t radius = s.radius;
    const int bpp = c.sixteenBit ? 2 : 4;
    auto read = [&](const uint8_t* picture, int64_t x, int64_t y) {
        uint32_t p = 0;
        std::memcpy(&p, picture + y * c.pitch + x * bpp, static_cast<size_t>(bpp));
        return p;
    };
    // Fields of each format as (shift, bits).
    const std::vector<std::pair<int, int>> fields =
        c.sixteenBit ? std::vector<std::pair<int, int>>{{0, 5}, {5, 6}, {11, 5}}
                     : std::vector<std::pair<int, int>>{{0, 8}, {8, 8}, {16, 8}};
    for (int64_t y = 0; y < c.height; ++y) {
        for (int64_t x = 0; x < c.width; ++x) {
            const int64_t dx = x - s.centreX;
            const int64_t dy = y - s.centreY;
            if (dy < -radius || dy >= radius) continue;
            const auto halfWidth = static_cast<int64_t>(std::sqrt(static_cast<double>(radius * radius - dy * dy)));
            if (dx < -halfWidth || dx >= halfWidth) continue;
            const int64_t d2 = dx * dx + dy * dy + 3;
            const int64_t v = tables.at(d2);
            const int64_t sx = x + ((v * dx / d2) >> 2);
            const int64_t sy = y + ((v * dy / d2) >> 2);
            if (sx < 0 || sx >= c.width || sy < 0 || sy >= c.height) continue;
            const uint32_t o = read(c.scene, sx, sy);
            const uint32_t n = read(c.stage, sx, sy);
            uint32_t out = 0;
            for (auto [shift, bits] : fields) {
                const uint32_t mask = (1u << bits) - 1;
                const uint32_t channel = (((o >> shift) & mask) * static_cast<uint32_t>(w.oldWeight) +
                                          ((n >> shift) & mask) * static_cast<uint32_t>(w.newWeight)) >> 8;
                out |= channel << shift;
            }
            std::memcpy(c.frame + y * c.pitch + x * bpp, &out, static_cast<size_t>(bpp));
        }
    }
}

// The drawn disk equals its plain formula for disks inside the screen, cut by its edges
// or centred off it, with small and huge displacements, through the whole run of t.
TEST(RippleFrameTest, MatchesThePlainFormulaPixelForPixel) {
    struct Case {
        uint32_t duration;
        uint32_t parameter;
    };
    const Case cases[] = {
        {10520060, 1080060},    // the demo's shape, smaller, moving on
        {30520100, 20010},      // cut by the top and left edges
        {20910070, 150060},     // centre on the right edge
        {4294961023u, 200050},  // radius 1023, largest amplitude, centre past the right edge
        {1234560097, 45060},    // large amplitude: samples far outside the picture
    };
    for (bool sixteen : {false, true}) {
        RawCanvas fast(150, 120, sixteen);
        uint64_t seed = 0x9E3779B97F4A7C15ull;
        for (size_t i = 0; i < fast.scene.size(); ++i) {
            seed = seed * 6364136223846793005ull + 1442695040888963407ull;
            fast.scene[i] = static_cast<uint8_t>(seed >> 56);
            fast.stage[i] = static_cast<uint8_t>(seed >> 48);
        }
        RawCanvas plain = fast;
        for (const Case& k : cases) {
            const RippleSettings s = decodeSettings(k.duration, k.parameter);
            DisplacementTables tables;
            for (double t : {0.05, 0.3, 0.55, 0.8, 0.97}) {
                tables.build(s, t, frontOffset(s, t));
                drawRippleFrame(fast.canvas(), s, tables, blendWeights(t));
                drawPlainDisk(plain.canvas(), s, tables, blendWeights(t));
                ASSERT_EQ(fast.frame, plain.frame) << k.duration << " " << k.parameter << " t " << t
                                                   << (sixteen ? " 16-bit" : " 32-bit");
            }
        }
    }
}

// The displaced sample's offset is v * d / d2 truncated; the quick division must
// agree with the integer one everywhere the disk can reach (|v| < 2^31, |d| <= 1023,
// d2 < 2^21), above all next to exact multiples and at the extremes.
TEST(RippleFrameTest, QuickDivisionAgreesWithIntegerDivision) {
    auto check = [](int64_t a, int64_t b) {
        ASSERT_EQ(dividedTowardZero(a, b, 1.0 / static_cast<double>(b)), a / b) << a << " / " << b;
    };
    const int64_t big = (int64_t{1} << 31) * 1023;
    for (int64_t b : {int64_t{3}, int64_t{4}, int64_t{7}, int64_t{1000003}, int64_t{2093058}, (int64_t{1} << 21) - 1}) {
        for (int64_t q : {int64_t{0}, int64_t{1}, int64_t{12345}, big / b}) {
            for (int64_t step : {int64_t{-1}, int64_t{0}, int64_t{1}}) {
                const int64_t a = q * b + step;
                if (a > big || a < -big) continue;
                check(a, b);
                check(-a, b);
            }
        }
        check(big, b);
        check(-big, b);
    }
    uint64_t seed = 88172645463325252ull;
    for (int i = 0; i < 200000; ++i) {
        seed ^= seed << 13;
        seed ^= seed >> 7;
        seed ^= seed << 17;
        const int64_t b = 3 + static_cast<int64_t>(seed % (int64_t{1} << 21));
        const int64_t a = static_cast<int64_t>((seed >> 11) % static_cast<uint64_t>(2 * big + 1)) - big;
        check(a, b);
    }
}

}  // namespace
}  // namespace morv::ripple
