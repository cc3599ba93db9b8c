#include <algorithm>
#include <vector>

#include "effects/effect_frames.h"
#include "effects/effect_run.h"
#include "effects/pixel_loop.h"

namespace morv {

namespace {

constexpr int kMosaicFrames = 16;
constexpr int kGrowingFrames = 8;

// Channel sums are kept packed in one integer, each channel with room above it.
// 565: the pixel spread over a word as 00000GGGGGG00000RRRRR000000BBBBB, room
// for sums of 32 pixels. 8888: blue, green and red 21 bits apart in 64 bits,
// room for sums of 8192 pixels.
struct Rgb565 {
    using Pixel = uint16_t;
    using Sum = uint32_t;
    static constexpr uint32_t kFields = 0x07E0F81F;
    static Sum spread(Pixel p) { return (p | uint32_t{p} << 16) & kFields; }
    static Pixel fold(Sum s) { return static_cast<Pixel>((s & kFields) | (s & kFields) >> 16); }
    static uint32_t redSum(Sum s) { return (s >> 11) & 0x3FF; }
    static uint32_t greenSum(Sum s) { return s >> 21; }
    static uint32_t blueSum(Sum s) { return s & 0x7FF; }
    static Pixel make(uint32_t r, uint32_t g, uint32_t b) { return static_cast<Pixel>(r << 11 | g << 5 | b); }
    static constexpr int kLargestPackedSum = 32;
};

struct Xrgb8888 {
    using Pixel = uint32_t;
    using Sum = uint64_t;
    static Sum spread(Pixel p) {
        return (p & 0xFF) | uint64_t{(p >> 8) & 0xFF} << 21 | uint64_t{(p >> 16) & 0xFF} << 42;
    }
    static Pixel fold(Sum s) {
        return static_cast<Pixel>((s & 0xFF) | ((s >> 21) & 0xFF) << 8 | ((s >> 42) & 0xFF) << 16);
    }
    static uint32_t redSum(Sum s) { return static_cast<uint32_t>(s >> 42); }
    static uint32_t greenSum(Sum s) { return static_cast<uint32_t>((s >> 21) & 0x1FFFFF); }
    static uint32_t blueSum(Sum s) { return static_cast<uint32_t>(s & 0x1FFFFF); }
    static Pixel make(uint32_t r, uint32_t g, uint32_t b) { return r << 16 | g << 8 | b; }
    static constexpr int kLargestPackedSum = 8192;
};

// Paints rows [top, bottom) with one colour per block of 2^shift columns: the
// first row is painted, the others copied from it.
template <typename Format>
[[gnu::always_inline]] inline void paintBand(const PixelRows& out, int top, int bottom, int shift,
                                             const std::vector<typename Format::Pixel>& colours) {
    using Pixel = typename Format::Pixel;
    const int size = 1 << shift;
    Pixel* first = out.rowAs<Pixel>(top);
    for (size_t block = 0; block < colours.size(); ++block) {
        const int left = static_cast<int>(block) << shift;
        std::fill(first + left, first + std::min(left + size, out.width), colours[block]);
    }
    for (int y = top + 1; y < bottom; ++y) std::copy(first, first + out.width, out.rowAs<Pixel>(y));
}

// Growing blocks: each the average of four scene pixels, at its corner and half a
// block to the right and down (limited to the last column and row).
template <typename Format>
[[gnu::always_inline]] inline void sampledBlocks(const PixelRows& out, const PixelRows& in, int shift) {
    using Pixel = typename Format::Pixel;
    const int size = 1 << shift, half = size / 2;
    const int w = out.width, h = out.height;
    std::vector<Pixel> colours(static_cast<size_t>((w + size - 1) >> shift));
    for (int y = 0; y < h; y += size) {
        const Pixel* top = in.rowAs<const Pixel>(y);
        const Pixel* lower = in.rowAs<const Pixel>(std::min(y + half, h - 1));
        for (int x = 0, block = 0; x < w; x += size, ++block) {
            const int x2 = std::min(x + half, w - 1);
            const auto sum = Format::spread(top[x]) + Format::spread(top[x2]) + Format::spread(lower[x]) +
                             Format::spread(lower[x2]);
            colours[static_cast<size_t>(block)] = Format::fold(sum >> 2);
        }
        paintBand<Format>(out, y, std::min(y + size, h), shift, colours);
    }
}

// Shrinking blocks: each the sum of its stage pixels on the screen divided by the
// full block area, so blocks cut by the edge come out darker.
template <typename Format>
[[gnu::always_inline]] inline void averagedBlocks(const PixelRows& out, const PixelRows& in, int shift) {
    using Pixel = typename Format::Pixel;
    const int size = 1 << shift;
    const int w = out.width, h = out.height;
    const size_t blocks = static_cast<size_t>((w + size - 1) >> shift);
    std::vector<uint32_t> red(blocks), green(blocks), blue(blocks);
    std::vector<Pixel> colours(blocks);
    for (int top = 0; top < h; top += size) {
        const int bottom = std::min(top + size, h);
        std::fill(red.begin(), red.end(), 0);
        std::fill(green.begin(), green.end(), 0);
        std::fill(blue.begin(), blue.end(), 0);
        // Packed sums over pieces of a block's row, two rows at once when blocks are
        // small, each piece small enough for the packed channels not to overflow.
        const int rowsAtOnce = 2 * size <= Format::kLargestPackedSum ? 2 : 1;
        const int piece = std::min(size, Format::kLargestPackedSum / rowsAtOnce);
        for (int y = top; y < bottom; y += rowsAtOnce) {
            const Pixel* row = in.rowAs<const Pixel>(y);
            const Pixel* next = rowsAtOnce == 2 && y + 1 < bottom ? in.rowAs<const Pixel>(y + 1) : nullptr;
            for (size_t block = 0; block < blocks; ++block) {
                const int left = static_cast<int>(block) << shift;
                const int right = std::min(left + size, w);
                for (int from = left; from < right; from += piece) {
                    const int to = std::min(from + piece, right);
                    typename Format::Sum sum = 0;
                    for (int x = from; x < to; ++x) sum += Format::spread(row[x]);
                    if (next) {
                        for (int x = from; x < to; ++x) sum += Format::spread(next[x]);
                    }
                    red[block] += Format::redSum(sum);
                    green[block] += Format::greenSum(sum);
                    blue[block] += Format::blueSum(sum);
                }
            }
        }
        for (size_t block = 0; block < blocks; ++block) {
            colours[block] = Format::make(red[block] >> (2 * shift), green[block] >> (2 * shift),
                                          blue[block] >> (2 * shift));
        }
        paintBand<Format>(out, top, bottom, shift, colours);
    }
}

template <typename Format>
[[gnu::always_inline]] inline void mosaicRows(const PixelRows& out, const PixelRows& scene, const PixelRows& stage,
                                              int f) {
    if (f <= kGrowingFrames) {
        sampledBlocks<Format>(out, scene, f);  // blocks of 2, 4, ... 256
    } else {
        averagedBlocks<Format>(out, stage, kMosaicFrames + 1 - f);  // 256, 128, ... 2
    }
}

MORV_PIXEL_LOOP void mosaic565(const PixelRows& out, const PixelRows& scene, const PixelRows& stage, int f) {
    mosaicRows<Rgb565>(out, scene, stage, f);
}

MORV_PIXEL_LOOP void mosaic8888(const PixelRows& out, const PixelRows& scene, const PixelRows& stage, int f) {
    mosaicRows<Xrgb8888>(out, scene, stage, f);
}

bool sameShape(const PixelRows& a, const PixelRows& b) {
    return a && b && a.format == b.format && a.width == b.width && a.height == b.height;
}

}  // namespace

void mosaicFrame(Surface& frame, Surface& scene, Surface& stage, int f) {
    if (f < 1 || f > kMosaicFrames) return;
    const PixelRows out = frame.lock(), old = scene.lock(), next = stage.lock();
    if (!sameShape(out, old) || !sameShape(out, next)) return;
    if (out.format == PixelFormat::Rgb565) {
        mosaic565(out, old, next, f);
    } else {
        mosaic8888(out, old, next, f);
    }
}

void runMosaic(const EffectRun& run) {
    FrameClock clock = run.startClock();
    const uint64_t duration = run.values.durationMs;
    for (int f = 1; f <= kMosaicFrames; ++f) {
        if (!clock.waitPast((f * duration) >> 4)) break;
        mosaicFrame(run.frame(), run.scene(), run.stage(), f);
        run.present();
    }
    run.copyWhole(SurfaceRole::FrameSurface, SurfaceRole::StageSurface);
    run.copyWhole(SurfaceRole::SceneSurface, SurfaceRole::StageSurface);
}

}  // namespace morv
