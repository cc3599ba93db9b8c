// The rotating transitions.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "effects/effect_frames.h"
#include "effects/effect_paths.h"
#include "effects/effect_run.h"
#include "effects/rotate_windows.h"
#include "display/pixel_loop.h"

namespace morv {

namespace {

constexpr int kAngleStep = 6;
constexpr int kLargestAngle = 180;
constexpr int kReverse = 4;

struct DegreeTables {
    std::array<double, kLargestAngle + 1> sine;
    std::array<double, kLargestAngle + 1> cosine;
};

// Sine and cosine of every whole degree from 0 to 180, computed once.
const DegreeTables& degreeTables() {
    static const DegreeTables tables = [] {
        DegreeTables t{};
        const double radiansPerDegree = std::acos(-1.0) / 180.0;
        for (int k = 0; k <= kLargestAngle; ++k) {
            t.sine[static_cast<size_t>(k)] = std::sin(k * radiansPerDegree);
            t.cosine[static_cast<size_t>(k)] = std::cos(k * radiansPerDegree);
        }
        return t;
    }();
    return tables;
}

// The columns of a row at which f(x), monotone in x, lies in a range, answered
// for any range from a count, built once, of the columns below every value.
class MonotoneColumns {
public:
    template <typename F>
    MonotoneColumns(int width, F f) : width_(width), rising_(f(width - 1) >= f(0)) {
        least_ = std::min(f(0), f(width - 1));
        const int greatest = std::max(f(0), f(width - 1));
        // below_[v - least_]: the columns at which f < v, for v = least_ to greatest + 1.
        below_.assign(static_cast<size_t>(greatest - least_ + 2), 0);
        for (int x = 0; x < width; ++x) ++below_[static_cast<size_t>(f(x) - least_ + 1)];
        for (size_t i = 1; i < below_.size(); ++i) below_[i] += below_[i - 1];
    }
    // Narrows [first, last) to the columns at which low <= f(x) < high. Those below
    // a value are a prefix of the row when f rises and a suffix when it falls.
    void narrow(int low, int high, int& first, int& last) const {
        if (rising_) {
            first = std::max(first, below(low));
            last = std::min(last, below(high));
        } else {
            first = std::max(first, width_ - below(high));
            last = std::min(last, width_ - below(low));
        }
    }

private:
    int below(int v) const {
        if (v <= least_) return 0;
        const auto i = static_cast<size_t>(v - least_);
        return i < below_.size() ? below_[i] : width_;
    }
    int width_;
    bool rising_;
    int least_ = 0;
    std::vector<int> below_;
};

// o[x] = origin[offset[x]] for the columns [from, end) of a frame row. 16-bit
// pixels are read eight at a time before they are written with one store;
// 32-bit pixels are faster written one by one.
template <typename Pixel>
[[gnu::always_inline]] inline void sampleRun(Pixel* o, const Pixel* origin, const int* offset, int from, int end) {
    int x = from;
    if constexpr (sizeof(Pixel) == 2) {
        constexpr int kBlock = 8;
        for (; x + kBlock <= end; x += kBlock) {
            Pixel block[kBlock];
#pragma GCC unroll 8
            for (int k = 0; k < kBlock; ++k) block[k] = origin[offset[x + k]];
            std::memcpy(o + x, block, sizeof block);
        }
    }
#pragma GCC unroll 8
    for (; x < end; ++x) o[x] = origin[offset[x]];
}

// o[k][x] = origin[k][offset[x]] for four frame rows and the columns [from, end):
// one read of a column's offset serves four pixels.
template <typename Pixel>
[[gnu::always_inline]] inline void sampleFourRowsOf(Pixel* const* o, const Pixel* const* origin, const int* offset,
                                                    int from, int end) {
    constexpr int kRows = 4;
    // Two pixels of a row are written with one store.
    int x = from;
    for (; x + 2 <= end; x += 2) {
        const int at0 = offset[x], at1 = offset[x + 1];
#pragma GCC unroll 4
        for (int k = 0; k < kRows; ++k) {
            const Pixel pair[2] = {origin[k][at0], origin[k][at1]};
            std::memcpy(o[k] + x, pair, sizeof pair);
        }
    }
    for (; x < end; ++x) {
        for (int k = 0; k < kRows; ++k) o[k][x] = origin[k][offset[x]];
    }
}

// Built apart from the row loop, so that the column offsets and the rows'
// pointers stay in registers.
MORV_PIXEL_LOOP [[gnu::noinline]] void sampleFourRows(uint16_t* const* o, const uint16_t* const* origin,
                                                      const int* offset, int from, int end) {
#if defined(__SSE2__)
    // Each row's eight pixels are inserted into a vector register one by one
    // straight from the scene and written with one store.
    uint16_t *o0 = o[0], *o1 = o[1], *o2 = o[2], *o3 = o[3];
    const uint16_t *in0 = origin[0], *in1 = origin[1], *in2 = origin[2], *in3 = origin[3];
    int x = from;
    for (; x + 8 <= end; x += 8) {
        const int* at = offset + x;
        const ptrdiff_t first = at[0];
        __m128i v0 = _mm_cvtsi32_si128(in0[first]), v1 = _mm_cvtsi32_si128(in1[first]);
        __m128i v2 = _mm_cvtsi32_si128(in2[first]), v3 = _mm_cvtsi32_si128(in3[first]);
#define MORV_INSERT_LANE(i)                     \
    {                                           \
        const ptrdiff_t a = at[i];              \
        v0 = _mm_insert_epi16(v0, in0[a], i);   \
        v1 = _mm_insert_epi16(v1, in1[a], i);   \
        v2 = _mm_insert_epi16(v2, in2[a], i);   \
        v3 = _mm_insert_epi16(v3, in3[a], i);   \
    }
        MORV_INSERT_LANE(1) MORV_INSERT_LANE(2) MORV_INSERT_LANE(3) MORV_INSERT_LANE(4)
        MORV_INSERT_LANE(5) MORV_INSERT_LANE(6) MORV_INSERT_LANE(7)
#undef MORV_INSERT_LANE
        _mm_storeu_si128(reinterpret_cast<__m128i*>(o0 + x), v0);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(o1 + x), v1);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(o2 + x), v2);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(o3 + x), v3);
    }
    sampleFourRowsOf(o, origin, offset, x, end);
#else
    sampleFourRowsOf(o, origin, offset, from, end);
#endif
}
MORV_PIXEL_LOOP [[gnu::noinline]] void sampleFourRows(uint32_t* const* o, const uint32_t* const* origin,
                                                      const int* offset, int from, int end) {
#if defined(__SSE2__)
    // Each row's four pixels are read into vector registers, interleaved into
    // one and written with one store.
    uint32_t *o0 = o[0], *o1 = o[1], *o2 = o[2], *o3 = o[3];
    const uint32_t *in0 = origin[0], *in1 = origin[1], *in2 = origin[2], *in3 = origin[3];
    int x = from;
    for (; x + 4 <= end; x += 4) {
        const ptrdiff_t a0 = offset[x], a1 = offset[x + 1], a2 = offset[x + 2], a3 = offset[x + 3];
        const auto row = [a0, a1, a2, a3](const uint32_t* in) {
            const auto read = [](const uint32_t* pixel) { return _mm_cvtsi32_si128(static_cast<int>(*pixel)); };
            const __m128i low = _mm_unpacklo_epi32(read(in + a0), read(in + a1));
            const __m128i high = _mm_unpacklo_epi32(read(in + a2), read(in + a3));
            return _mm_unpacklo_epi64(low, high);
        };
        _mm_storeu_si128(reinterpret_cast<__m128i*>(o0 + x), row(in0));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(o1 + x), row(in1));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(o2 + x), row(in2));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(o3 + x), row(in3));
    }
    sampleFourRowsOf(o, origin, offset, x, end);
#else
    sampleFourRowsOf(o, origin, offset, from, end);
#endif
}

// Each frame pixel (x, y) samples the scene at (rowX + cos x', rowY + sense sin x'),
// where rowX and rowY depend on the row only. Both coordinates move monotonically
// along a row, so the pixels that sample inside the scene form one run of
// columns; the rest of the row is black.
template <typename Pixel>
[[gnu::always_inline]] inline void rotateRows(const PixelRows& out, const PixelRows& in, int dir,
                                              RotateTables& tables, std::vector<int>& offsets, bool windows) {
    const int w = out.width, h = out.height;
    const int* sine = tables.sineAtCentre();
    const int* cosine = tables.cosineAtCentre();
    // CROTATE samples (cx + cos x' + sin y', cy + cos y' - sin x'); RROTATE turns the
    // other way: (cx + cos x' - sin y', cy + sin x' + cos y').
    const int sense = dir == kReverse ? 1 : -1;
    const int stride = in.pitch / static_cast<int>(sizeof(Pixel));
    offsets.resize(static_cast<size_t>(w));
    for (int x = 0; x < w; ++x) {
        offsets[static_cast<size_t>(x)] = sense * sine[x - w / 2] * stride + cosine[x - w / 2];
    }
    const auto rowX = [&](int y) { return w / 2 - sense * sine[y - h / 2]; };
    const auto rowY = [&](int y) { return h / 2 + cosine[y - h / 2]; };
    const Pixel* scene = in.rowAs<const Pixel>(0);
    std::vector<RotateTables::RowRun>& runs = tables.rowRuns();
    runs.resize(static_cast<size_t>(h));
    const MonotoneColumns across(w, [&](int x) { return cosine[x - w / 2]; });
    const MonotoneColumns down(w, [&](int x) { return sense * sine[x - w / 2]; });
    for (int y = 0; y < h; ++y) {
        const int x0 = rowX(y), y0 = rowY(y);
        // The last column and row of the scene are never sampled.
        int first = 0, last = w;
        across.narrow(-x0, w - 1 - x0, first, last);
        down.narrow(-y0, h - 1 - y0, first, last);
        last = std::max(first, last);
        runs[static_cast<size_t>(y)] = {first, last, static_cast<ptrdiff_t>(y0) * stride + x0};
        Pixel* o = out.rowAs<Pixel>(y);
        std::fill(o, o + first, Pixel{0});
        std::fill(o + last, o + w, Pixel{0});
    }
    // Rows go four at a time through the columns all four sample inside; the
    // columns of a row beyond those go on their own. Whole rows at once run faster
    // than tiles of the frame sized for the cache.
    const int* offset = offsets.data();
    const auto fourRows = [&](int y) {
        constexpr int kRowsAtOnce = 4;
        const RotateTables::RowRun* run = &runs[static_cast<size_t>(y)];
        int from = 0, end = w;
        for (int k = 0; k < kRowsAtOnce; ++k) {
            from = std::max(from, run[k].first);
            end = std::min(end, run[k].last);
        }
        if (from >= end) from = end = 0;
        Pixel* o[kRowsAtOnce];
        const Pixel* origin[kRowsAtOnce];
        for (int k = 0; k < kRowsAtOnce; ++k) {
            o[k] = out.rowAs<Pixel>(y + k);
            origin[k] = scene + run[k].base;
            sampleRun(o[k], origin[k], offset, run[k].first, std::min(run[k].last, from));
            sampleRun(o[k], origin[k], offset, std::max(run[k].first, end), run[k].last);
        }
        sampleFourRows(o, origin, offset, from, end);
    };
    int y = 0;
    if constexpr (sizeof(Pixel) == 2) {
        if (windows) {
            // Eight rows at a time, so that each window read serves 64 samples;
            // rows whose windows would be too large go four at a time.
            std::vector<int> downs(static_cast<size_t>(w)), acrosses(static_cast<size_t>(w));
            for (int x = 0; x < w; ++x) {
                downs[static_cast<size_t>(x)] = sense * sine[x - w / 2];
                acrosses[static_cast<size_t>(x)] = cosine[x - w / 2];
            }
            const RotateWindows byWindows(downs, acrosses, offset, {scene, stride, w, h});
            const auto byWindowsFrom = [&](int top, int count) {
                constexpr int kMostRows = RotateWindows::kMostRows;
                const Pixel* origin[kMostRows];
                int ys[kMostRows], xs[kMostRows], firsts[kMostRows], lasts[kMostRows];
                for (int k = 0; k < count; ++k) {
                    const RotateTables::RowRun& run = runs[static_cast<size_t>(top + k)];
                    origin[k] = scene + run.base;
                    ys[k] = rowY(top + k);
                    xs[k] = rowX(top + k);
                    firsts[k] = run.first;
                    lasts[k] = run.last;
                }
                return byWindows.sample({out.rowAs<Pixel>(top), out.pitch / static_cast<ptrdiff_t>(sizeof(Pixel)), origin,
                                         ys, xs, firsts, lasts},
                                        count);
            };
            for (; y + RotateWindows::kMostRows <= h; y += RotateWindows::kMostRows) {
                if (byWindowsFrom(y, RotateWindows::kMostRows)) continue;
                if (!byWindowsFrom(y, 4)) fourRows(y);
                if (!byWindowsFrom(y + 4, 4)) fourRows(y + 4);
            }
        }
    }
    for (; y + 4 <= h; y += 4) fourRows(y);
    for (; y < h; ++y) {
        const RotateTables::RowRun& run = runs[static_cast<size_t>(y)];
        sampleRun(out.rowAs<Pixel>(y), scene + run.base, offset, run.first, run.last);
    }
}

MORV_PIXEL_LOOP void rotate565(const PixelRows& out, const PixelRows& in, int dir, RotateTables& tables,
                               std::vector<int>& offsets, bool windows) {
    rotateRows<uint16_t>(out, in, dir, tables, offsets, windows);
}

MORV_PIXEL_LOOP void rotate8888(const PixelRows& out, const PixelRows& in, int dir, RotateTables& tables,
                                std::vector<int>& offsets) {
    rotateRows<uint32_t>(out, in, dir, tables, offsets, false);
}

}  // namespace

// Offsets from the centre run from -(size / 2) to size - 1 - size / 2, so an odd
// size needs one entry more than the size on the positive side.
RotateTables::RotateTables(int width, int height)
    : centre_(std::max(width, height) / 2),
      sine_(static_cast<size_t>(2 * centre_ + 1)),
      cosine_(static_cast<size_t>(2 * centre_ + 1)) {}

void RotateTables::setAngle(int degrees) {
    const DegreeTables& t = degreeTables();
    const double s = t.sine[static_cast<size_t>(std::clamp(degrees, 0, kLargestAngle))];
    const double c = t.cosine[static_cast<size_t>(std::clamp(degrees, 0, kLargestAngle))];
    for (int i = -centre_; i <= centre_; ++i) {
        sine_[static_cast<size_t>(i + centre_)] = static_cast<int>(i * s);
        cosine_[static_cast<size_t>(i + centre_)] = static_cast<int>(i * c);
    }
}

void rotateFrame(Surface& frame, Surface& scene, int dir, RotateTables& tables) {
    rotateFrameBy(effectPathsHere().front(), frame, scene, dir, tables);
}

void rotateFrameBy(EffectPath path, Surface& frame, Surface& scene, int dir, RotateTables& tables) {
    PixelRows out = frame.lock();
    PixelRows in = scene.lock();
    if (!out || !in || in.format != out.format || in.width != out.width || in.height != out.height) return;
    std::vector<int>& offsets = tables.columnOffsets();
    if (out.format == PixelFormat::Rgb565) {
        // The windows are built for 16-bit pixels, whose inserts cost most per byte;
        // 32-bit frames keep their inserts.
        rotate565(out, in, dir, tables, offsets, path == EffectPath::Avx512);
    } else {
        rotate8888(out, in, dir, tables, offsets);
    }
}

void runRotate(const EffectRun& run) {
    // The sense of the turn does not depend on the sign of the angle.
    const int64_t finalAngle = std::min<int64_t>(std::llabs(int64_t{run.values.parameter}), kLargestAngle);
    RotateTables tables(run.frame().width(), run.frame().height());
    FrameClock clock = run.startClock();
    const uint64_t duration = run.values.durationMs;
    for (int n = 0; kAngleStep * n <= finalAngle; ++n) {
        const int angle = kAngleStep * n;
        // A final angle of 0 has the one frame at 0 degrees, drawn at once.
        const uint64_t deadline = finalAngle == 0 ? 0 : angle * duration / static_cast<uint64_t>(finalAngle);
        if (!clock.waitPast(deadline)) break;
        tables.setAngle(angle);
        rotateFrame(run.frame(), run.scene(), run.values.direction, tables);
        run.present();
    }
    run.copyWhole(run.scene(), run.frame());
    run.copyWhole(run.stage(), run.frame());
}

}  // namespace morv
