// The fast frame routines against plain per-pixel readings of the rules, on
// sizes that are not multiples of anything.
#include <cmath>
#include <random>

#include "effects/effect_frames.h"
#include "effects/effect_values.h"
#include "effects/effect_paths.h"
#include "effects_test_fixture.h"

namespace morv::test {
namespace {

class EffectsReferenceTest : public ::testing::TestWithParam<int> {
protected:
    PixelFormat format() const { return GetParam() == 16 ? PixelFormat::Rgb565 : PixelFormat::Xrgb8888; }
    std::unique_ptr<Surface> randomSurface(int width, int height, uint32_t seed) {
        auto s = std::make_unique<Surface>(format(), nullptr);
        EXPECT_EQ(s->create(width, height), 0);
        std::mt19937 random(seed);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) setPixel(*s, x, y, random() & (GetParam() == 16 ? 0xFFFFu : 0xFFFFFFu));
        return s;
    }
    // Red, green and blue fields of a raw pixel, and back.
    std::array<uint32_t, 3> channels(uint32_t p) const {
        if (GetParam() == 16) return {p >> 11, (p >> 5) & 63, p & 31};
        return {(p >> 16) & 255, (p >> 8) & 255, p & 255};
    }
    uint32_t pixel(const std::array<uint32_t, 3>& c) const {
        return GetParam() == 16 ? c[0] << 11 | c[1] << 5 | c[2] : c[0] << 16 | c[1] << 8 | c[2];
    }
};

// Every path this processor runs, on odd sizes and one that holds a whole block of 256.
TEST_P(EffectsReferenceTest, MosaicFramesOfEveryPathMatchTheBlockRules) {
    for (auto [w, h] : {std::pair{37, 23}, {300, 270}}) {
        auto scene = randomSurface(w, h, 1), stage = randomSurface(w, h, 2), frame = randomSurface(w, h, 3);
        for (EffectPath path : effectPathsHere()) {
            for (int f = 1; f <= 16; ++f) {
                SCOPED_TRACE(::testing::Message() << w << "x" << h << " frame " << f << " path " << static_cast<int>(path));
                mosaicFrameBy(path, *frame, *scene, *stage, f);
                const int size = f <= 8 ? 1 << f : 1 << (17 - f);
                for (int by = 0; by < h; by += size) {
                    for (int bx = 0; bx < w; bx += size) {
                        std::array<uint32_t, 3> sum{};
                        if (f <= 8) {
                            const int x2 = std::min(bx + size / 2, w - 1), y2 = std::min(by + size / 2, h - 1);
                            for (auto [x, y] : {std::pair{bx, by}, {x2, by}, {bx, y2}, {x2, y2}})
                                for (int c = 0; c < 3; ++c) sum[c] += channels(pixelAt(*scene, x, y))[c];
                            for (auto& v : sum) v >>= 2;
                        } else {
                            for (int y = by; y < std::min(by + size, h); ++y)
                                for (int x = bx; x < std::min(bx + size, w); ++x)
                                    for (int c = 0; c < 3; ++c) sum[c] += channels(pixelAt(*stage, x, y))[c];
                            for (auto& v : sum) v /= static_cast<uint32_t>(size * size);
                        }
                        for (int y = by; y < std::min(by + size, h); ++y)
                            for (int x = bx; x < std::min(bx + size, w); ++x)
                                ASSERT_EQ(pixelAt(*frame, x, y), pixel(sum)) << x << "," << y;
                    }
                }
            }
        }
    }
}

// White is the largest sum a block can have: the packed channel sums of large
// blocks must not run into one another.
TEST_P(EffectsReferenceTest, WhiteMosaicBlocksOfEverySizeKeepTheirChannelsApart) {
    const int w = 600, h = 300;
    const uint32_t white = GetParam() == 16 ? 0xFFFF : 0xFFFFFF;
    auto scene = randomSurface(w, h, 6), stage = randomSurface(w, h, 7), frame = randomSurface(w, h, 8);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) setPixel(*stage, x, y, white);
    for (EffectPath path : effectPathsHere()) {
        for (int f = 9; f <= 16; ++f) {
            SCOPED_TRACE(::testing::Message() << "frame " << f << " path " << static_cast<int>(path));
            mosaicFrameBy(path, *frame, *scene, *stage, f);
            const int size = 1 << (17 - f);
            for (int by = 0; by < h; by += size) {
                for (int bx = 0; bx < w; bx += size) {
                    const auto covered = static_cast<uint32_t>((std::min(bx + size, w) - bx) * (std::min(by + size, h) - by));
                    std::array<uint32_t, 3> expected = channels(white);
                    for (auto& v : expected) v = v * covered / static_cast<uint32_t>(size * size);
                    ASSERT_EQ(pixelAt(*frame, bx, by), pixel(expected)) << bx << "," << by;
                    ASSERT_EQ(pixelAt(*frame, std::min(bx + size, w) - 1, std::min(by + size, h) - 1), pixel(expected));
                }
            }
        }
    }
}

// Every path this processor runs, on a scene smaller than a sampling window, on
// sizes with a ragged last block of columns, and on ones with many blocks, some
// of whose windows reach past the scene's edges.
TEST_P(EffectsReferenceTest, RotatedFramesOfEveryPathMatchTheSamplingRule) {
    for (auto [w, h] : {std::pair{13, 9}, {23, 17}, {17, 24}, {64, 41}, {150, 97}, {333, 211}}) {
        auto scene = randomSurface(w, h, 4), frame = randomSurface(w, h, 5);
        RotateTables tables(w, h);
        for (EffectPath path : effectPathsHere()) {
            for (int dir : {3, 4}) {
                for (int angle = 0; angle <= 180; angle += w > 200 ? 18 : 6) {
                    SCOPED_TRACE(::testing::Message() << w << "x" << h << " path " << static_cast<int>(path) << " dir "
                                                      << dir << " angle " << angle);
                    tables.setAngle(angle);
                    rotateFrameBy(path, *frame, *scene, dir, tables);
                    const double radians = angle * (std::acos(-1.0) / 180.0);
                    const double s = std::sin(radians), c = std::cos(radians);
                    auto sn = [s](int i) { return static_cast<int>(i * s); };
                    auto cs = [c](int i) { return static_cast<int>(i * c); };
                    for (int y = 0; y < h; ++y) {
                        for (int x = 0; x < w; ++x) {
                            const int dx = x - w / 2, dy = y - h / 2;
                            const int sx = dir == 3 ? w / 2 + cs(dx) + sn(dy) : w / 2 + cs(dx) - sn(dy);
                            const int sy = dir == 3 ? h / 2 + cs(dy) - sn(dx) : h / 2 + sn(dx) + cs(dy);
                            const bool inside = sx >= 0 && sx < w - 1 && sy >= 0 && sy < h - 1;
                            ASSERT_EQ(pixelAt(*frame, x, y), inside ? pixelAt(*scene, sx, sy) : 0u) << x << "," << y;
                        }
                    }
                }
            }
        }
    }
}

// Every ZOOM frame equals the still picture with the other stretched over it by
// the surfaces' own nearest-pixel copy.
TEST_P(EffectsReferenceTest, ZoomFramesMatchTheSurfaceStretch) {
    const int w = 41, h = 27;
    auto scene = randomSurface(w, h, 6), stage = randomSurface(w, h, 7);
    auto frame = randomSurface(w, h, 8), expected = randomSurface(w, h, 9);
    for (int dir : {1, 2}) {
        for (int n = 0; n < 64; ++n) {
            zoomFrame(*frame, *scene, *stage, dir, n);
            const Surface& moving = dir == 1 ? *stage : *scene;
            expected->copy(dir == 1 ? *scene : *stage, false);
            expected->copyRect(moving, moving.bounds(), zoomRect(dir, n, w, h), false);
            ASSERT_EQ(pixelsOf(*frame), pixelsOf(*expected)) << dir << " " << n;
        }
    }
}

// Every path this processor runs draws each ZOOM frame as the still picture with
// the moving one read at (x * width / rect width, y * height / rect height) inside
// the rectangle. The widths put rows across several vector blocks with ragged
// ends, and the frames shrink the picture by less and by more than two.
TEST_P(EffectsReferenceTest, ZoomFramesOfEveryPathReadTheNearestPixel) {
    for (auto [w, h] : {std::pair{41, 27}, {97, 33}, {203, 61}}) {
        auto scene = randomSurface(w, h, 21), stage = randomSurface(w, h, 22);
        for (EffectPath path : effectPathsHere()) {
            for (int dir : {1, 2}) {
                for (int n = 0; n < 64; n += w > 100 ? 3 : 1) {
                    SCOPED_TRACE(::testing::Message() << w << "x" << h << " path " << static_cast<int>(path) << " dir "
                                                      << dir << " frame " << n);
                    auto frame = randomSurface(w, h, 23);
                    frame->takeChanged();
                    zoomFrameBy(path, *frame, *scene, *stage, dir, n);
                    const Surface& still = dir == 1 ? *scene : *stage;
                    const Surface& moving = dir == 1 ? *stage : *scene;
                    const Rect r = zoomRect(dir, n, w, h);
                    const bool stretched = r.insideOf(w, h);
                    for (int y = 0; y < h; ++y) {
                        for (int x = 0; x < w; ++x) {
                            const bool inRect = stretched && x >= r.left && x < r.right && y >= r.top && y < r.bottom;
                            const uint32_t expected = inRect ? pixelAt(moving, (x - r.left) * w / r.width(),
                                                                       (y - r.top) * h / r.height())
                                                             : pixelAt(still, x, y);
                            ASSERT_EQ(pixelAt(*frame, x, y), expected) << x << "," << y;
                        }
                    }
                    EXPECT_EQ(frame->takeChanged(), frame->bounds());
                }
            }
        }
    }
}

// BLIND and BLINDSHOW steps against copying their lines one by one, as whole
// rows, single columns, or the column pairs of 16-bit horizontal blinds; the
// changed part is the span of the copied lines.
TEST_P(EffectsReferenceTest, BlindStepsCopyTheirLinesOfTheStage) {
    const int w = 37, h = 23;
    auto stage = randomSurface(w, h, 10);
    for (int dir = 1; dir <= 4; ++dir) {
        const bool horizontal = isHorizontal(dir);
        const bool pairs = horizontal && GetParam() == 16;
        const int length = horizontal ? w : h;
        for (int stripe : {1, 2, 3, 5, 8, 40}) {
            for (bool show : {false, true}) {
                for (int step = 0; step < 45; step += 2) {
                    SCOPED_TRACE(::testing::Message() << "dir " << dir << " stripe " << stripe << " show " << show
                                                      << " step " << step);
                    auto frame = randomSurface(w, h, 11), expected = randomSurface(w, h, 11);
                    frame->takeChanged();
                    // The pixel lines (columns or rows) the step opens.
                    std::vector<int> lines;
                    const bool backward = dir == direction::kLeft || dir == direction::kUp;
                    if (show) {
                        for (int j = std::max(0, step - stripe + 1); j <= step; ++j) {
                            const int position = step + j * (stripe - 1);
                            if (position < length) lines.push_back(backward ? length - 1 - position : position);
                        }
                        blindShowStep(*frame, *stage, dir, stripe, step);
                    } else {
                        const int count = pairs ? w / 2 : length;
                        const int period = pairs ? std::max(stripe / 2, 1) : stripe;
                        for (int line = step; line < count; line += period) {
                            const int at = backward ? count - 1 - line : line;
                            lines.push_back(pairs ? 2 * at : at);
                        }
                        blindStep(*frame, *stage, dir, stripe, step);
                    }
                    Rect changed;
                    for (int line : lines) {
                        Rect r = horizontal ? Rect{line, 0, line + 1, h} : Rect{0, line, w, line + 1};
                        if (pairs) r = {line & ~1, 0, std::min((line & ~1) + 2, w), h};
                        expected->copyRect(*stage, r, r, false);
                        changed = changed.united(r);
                    }
                    ASSERT_EQ(pixelsOf(*frame), pixelsOf(*expected));
                    EXPECT_EQ(frame->changed(), changed);
                }
            }
        }
    }
}

// Every QUAKE frame is the scene shifted by the frame's offset on black (its
// senses are pinned by the family tests), for shifts small, as large as the
// frame and larger.
TEST_P(EffectsReferenceTest, QuakeFramesAreTheShiftedSceneOnBlack) {
    const int w = 29, h = 19;
    auto scene = randomSurface(w, h, 12);
    const auto shifted = [&](int dx, int dy) {
        auto s = randomSurface(w, h, 14);
        s->fill(0);
        for (int y = std::max(0, dy); y < std::min(h, h + dy); ++y)
            for (int x = std::max(0, dx); x < std::min(w, w + dx); ++x) setPixel(*s, x, y, pixelAt(*scene, x - dx, y - dy));
        return pixelsOf(*s);
    };
    for (int dir = 1; dir <= 4; ++dir) {
        for (int amplitude : {0, 3, 19, 29, 40}) {
            for (int i = 0; i < 32; i += 3) {
                SCOPED_TRACE(::testing::Message() << "dir " << dir << " amplitude " << amplitude << " frame " << i);
                auto frame = randomSurface(w, h, 13);
                quakeFrame(*frame, *scene, dir, amplitude, i);
                const int d = quakeOffset(amplitude, i);
                bool matches = false;
                for (int sx = -1; sx <= 1 && !matches; ++sx)
                    for (int sy = -1; sy <= 1 && !matches; ++sy)
                        if ((sx || sy) && pixelsOf(*frame) == shifted(sx * d, sy * d)) matches = true;
                EXPECT_TRUE(matches);
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Depths, EffectsReferenceTest, ::testing::Values(16, 32), depthName);

}  // namespace
}  // namespace morv::test
