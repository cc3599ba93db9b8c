#include <algorithm>
#include <vector>

#include "effects/effect_frames.h"
#include "effects/effect_run.h"

namespace morv {

namespace {

constexpr int kMosaicFrames = 16;
constexpr int kGrowingFrames = 8;

struct Rgb565 {
    using Pixel = uint16_t;
    static uint32_t red(Pixel p) { return p >> 11; }
    static uint32_t green(Pixel p) { return (p >> 5) & 0x3F; }
    static uint32_t blue(Pixel p) { return p & 0x1F; }
    static Pixel make(uint32_t r, uint32_t g, uint32_t b) { return static_cast<Pixel>(r << 11 | g << 5 | b); }
};

struct Xrgb8888 {
    using Pixel = uint32_t;
    static uint32_t red(Pixel p) { return (p >> 16) & 0xFF; }
    static uint32_t green(Pixel p) { return (p >> 8) & 0xFF; }
    static uint32_t blue(Pixel p) { return p & 0xFF; }
    static Pixel make(uint32_t r, uint32_t g, uint32_t b) { return r << 16 | g << 8 | b; }
};

// Paints rows [top, bottom) of the frame with one colour per block of 2^shift columns.
template <typename Format>
void paintBand(const PixelRows& out, int top, int bottom, int shift, const std::vector<typename Format::Pixel>& colours) {
    for (int y = top; y < bottom; ++y) {
        auto* o = out.rowAs<typename Format::Pixel>(y);
        for (int x = 0; x < out.width; ++x) o[x] = colours[static_cast<size_t>(x >> shift)];
    }
}

// Growing blocks: each the average of four scene pixels, at its corner and half a
// block to the right and down (limited to the last column and row).
template <typename Format>
void sampledBlocks(const PixelRows& out, const PixelRows& in, int shift) {
    using Pixel = typename Format::Pixel;
    const int size = 1 << shift, half = size / 2;
    const int w = out.width, h = out.height;
    std::vector<Pixel> colours(static_cast<size_t>((w + size - 1) >> shift));
    for (int y = 0; y < h; y += size) {
        const Pixel* top = in.rowAs<const Pixel>(y);
        const Pixel* lower = in.rowAs<const Pixel>(std::min(y + half, h - 1));
        for (int x = 0, block = 0; x < w; x += size, ++block) {
            const int x2 = std::min(x + half, w - 1);
            const Pixel a = top[x], b = top[x2], c = lower[x], d = lower[x2];
            colours[static_cast<size_t>(block)] =
                Format::make((Format::red(a) + Format::red(b) + Format::red(c) + Format::red(d)) >> 2,
                             (Format::green(a) + Format::green(b) + Format::green(c) + Format::green(d)) >> 2,
                             (Format::blue(a) + Format::blue(b) + Format::blue(c) + Format::blue(d)) >> 2);
        }
        paintBand<Format>(out, y, std::min(y + size, h), shift, colours);
    }
}

// Shrinking blocks: each the sum of its stage pixels on the screen divided by the
// full block area, so blocks cut by the edge come out darker.
template <typename Format>
void averagedBlocks(const PixelRows& out, const PixelRows& in, int shift) {
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
        for (int y = top; y < bottom; ++y) {
            const Pixel* row = in.rowAs<const Pixel>(y);
            for (size_t block = 0; block < blocks; ++block) {
                const int left = static_cast<int>(block) << shift;
                const int right = std::min(left + size, w);
                uint32_t r = 0, g = 0, b = 0;
                for (int x = left; x < right; ++x) {
                    r += Format::red(row[x]);
                    g += Format::green(row[x]);
                    b += Format::blue(row[x]);
                }
                red[block] += r;
                green[block] += g;
                blue[block] += b;
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
void mosaicRows(const PixelRows& out, const PixelRows& scene, const PixelRows& stage, int f) {
    if (f <= kGrowingFrames) {
        sampledBlocks<Format>(out, scene, f);  // blocks of 2, 4, ... 256
    } else {
        averagedBlocks<Format>(out, stage, kMosaicFrames + 1 - f);  // 256, 128, ... 2
    }
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
        mosaicRows<Rgb565>(out, old, next, f);
    } else {
        mosaicRows<Xrgb8888>(out, old, next, f);
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
