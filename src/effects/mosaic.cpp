// The mosaic transition: the picture in blocks of averaged pixels.
#include <algorithm>
#include <cstring>
#include <optional>
#include <type_traits>
#include <vector>

#include "display/pixel_loop.h"
#include "effects/effect_frames.h"
#include "effects/effect_paths.h"
#include "effects/effect_run.h"
#include "effects/mosaic_band_colors.h"
#include "effects/mosaic_avx512.h"

namespace morv {

namespace {

constexpr int kMosaicFrames = 16;
constexpr int kGrowingFrames = 8;
// Blocks up to 2^this pixels wide have their sums in 16-bit lanes: 16 x 16 pixels
// of 255 sum to 65280.
constexpr int kLargestNarrowShift = 4;

// Channel sums are kept packed in one integer, each channel with room above it.
// 565: the pixel spread over a word as 00000GGGGGG00000RRRRR000000BBBBB, room
// for sums of 32 pixels. 8888: blue and red in 16-bit fields of the low half,
// green in the high half, room for sums of 256 pixels.
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
    static uint16_t red(Pixel p) { return static_cast<uint16_t>(p >> 11); }
    static uint16_t green(Pixel p) { return static_cast<uint16_t>((p >> 5) & 63); }
    static uint16_t blue(Pixel p) { return static_cast<uint16_t>(p & 31); }
    static Sum sumOf(const Pixel* row, int from, int to) {
        Sum sum = 0;
        for (int x = from; x < to; ++x) sum += spread(row[x]);
        return sum;
    }
    // A quarter of the sum of four pixels, channel by channel.
    static Pixel quarter(Pixel a, Pixel b, Pixel c, Pixel d) {
        return fold((spread(a) + spread(b) + spread(c) + spread(d)) >> 2);
    }
    // The block colors of two rows of pixel pairs, a 2 x 2 block in each 32-bit
    // word, written back as words of the color twice. Red and blue are summed
    // together and green apart, one lane per word, so many words go at once.
    static void quarterPairs(const Pixel* top, const Pixel* low, Pixel* out0, Pixel* out1, int pairs) {
        constexpr uint32_t kRedBlue = 0xF81F, kGreen = 0x07E0;
        for (int k = 0; k < pairs; ++k) {
            uint32_t t, l;
            std::memcpy(&t, top + 2 * k, sizeof t);
            std::memcpy(&l, low + 2 * k, sizeof l);
            const uint32_t redBlue = (t & kRedBlue) + (t >> 16 & kRedBlue) + (l & kRedBlue) + (l >> 16 & kRedBlue);
            const uint32_t green = (t & kGreen) + (t >> 16 & kGreen) + (l & kGreen) + (l >> 16 & kGreen);
            const uint32_t c = ((redBlue >> 2) & kRedBlue) | ((green >> 2) & kGreen);
            const uint32_t both = c | c << 16;
            std::memcpy(out0 + 2 * k, &both, sizeof both);
            std::memcpy(out1 + 2 * k, &both, sizeof both);
        }
    }
    // Adds the channels of the pixels [from, to) of a row, at most 1024 of them,
    // summed apart in 16-bit lanes.
    static void addChannels(const Pixel* row, int from, int to, uint32_t& red, uint32_t& green, uint32_t& blue) {
        uint16_t r = 0, g = 0, b = 0;
        for (int x = from; x < to; ++x) {
            r = static_cast<uint16_t>(r + (row[x] >> 11));
            g = static_cast<uint16_t>(g + ((row[x] >> 5) & 63));
            b = static_cast<uint16_t>(b + (row[x] & 31));
        }
        red += r;
        green += g;
        blue += b;
    }
    static constexpr int kLargestPackedSum = 32;
};

struct Xrgb8888 {
    using Pixel = uint32_t;
    using Sum = uint64_t;
    static Sum spread(Pixel p) { return (p & 0xFF00FF) | uint64_t{p & 0xFF00} << 24; }
    static Pixel fold(Sum s) {
        return static_cast<Pixel>((s & 0xFF) | ((s >> 16) & 0xFF) << 16 | ((s >> 32) & 0xFF) << 8);
    }
    static uint32_t redSum(Sum s) { return static_cast<uint32_t>((s >> 16) & 0xFFFF); }
    static uint32_t greenSum(Sum s) { return static_cast<uint32_t>(s >> 32); }
    static uint32_t blueSum(Sum s) { return static_cast<uint32_t>(s & 0xFFFF); }
    static Pixel make(uint32_t r, uint32_t g, uint32_t b) { return r << 16 | g << 8 | b; }
    static uint16_t red(Pixel p) { return static_cast<uint16_t>((p >> 16) & 255); }
    static uint16_t green(Pixel p) { return static_cast<uint16_t>((p >> 8) & 255); }
    static uint16_t blue(Pixel p) { return static_cast<uint16_t>(p & 255); }
    // The two halves of the packed sum added apart, in 32-bit lanes.
    static Sum sumOf(const Pixel* row, int from, int to) {
        uint32_t redBlue = 0, green = 0;
        for (int x = from; x < to; ++x) {
            redBlue += row[x] & 0xFF00FF;
            green += row[x] & 0xFF00;
        }
        return redBlue | Sum{green} << 24;
    }
    // Four pixels fit in 32 bits with red and blue summed together, green apart.
    static Pixel quarter(Pixel a, Pixel b, Pixel c, Pixel d) {
        const uint32_t redBlue = (a & 0xFF00FF) + (b & 0xFF00FF) + (c & 0xFF00FF) + (d & 0xFF00FF);
        const uint32_t green = (a & 0xFF00) + (b & 0xFF00) + (c & 0xFF00) + (d & 0xFF00);
        return ((redBlue >> 2) & 0xFF00FF) | ((green >> 2) & 0xFF00);
    }
    static constexpr int kLargestPackedSum = 256;
};

// Growing blocks: each the average of four scene pixels, at its corner and half a
// block to the right and down (limited to the last column and row).
template <typename Format>
[[gnu::always_inline]] inline void sampledBlocks(const PixelRows& out, const PixelRows& in, int shift) {
    using Pixel = typename Format::Pixel;
    const int size = 1 << shift, half = size / 2;
    const int w = out.width, h = out.height;
    BandColors<Pixel> colors(w, shift);
    for (int y = 0; y < h; y += size) {
        const Pixel* top = in.rowAs<const Pixel>(y);
        const Pixel* lower = in.rowAs<const Pixel>(std::min(y + half, h - 1));
        if (colors.doubled()) {
            // Narrow blocks: every column's four samples in one plain vector loop,
            // then the blocks' first columns kept.
            Pixel* column = colors.columnColors();
            const int open = std::max(w - half, 0);
            for (int x = 0; x < open; ++x) column[x] = Format::quarter(top[x], top[x + half], lower[x], lower[x + half]);
            for (int x = open; x < w; ++x) column[x] = Format::quarter(top[x], top[w - 1], lower[x], lower[w - 1]);
            colors.keepBlockFirsts();
        } else {
            for (int x = 0, block = 0; x < w; x += size, ++block) {
                const int x2 = std::min(x + half, w - 1);
                colors[static_cast<size_t>(block)] = Format::quarter(top[x], top[x2], lower[x], lower[x2]);
            }
        }
        colors.paint(out, y, std::min(y + size, h));
    }
}

// Shrinking blocks: each the sum of its stage pixels on the screen divided by the
// full block area, so blocks cut by the edge come out darker. `inLanes`: 565
// blocks of at least 32 columns are summed in AVX-512 lanes.
template <typename Format>
[[gnu::always_inline]] inline void averagedBlocks(const PixelRows& out, const PixelRows& in, int shift, bool inLanes) {
    using Pixel = typename Format::Pixel;
    const int size = 1 << shift;
    const int w = out.width, h = out.height;
    const size_t blocks = static_cast<size_t>((w + size - 1) >> shift);
    std::vector<uint32_t> red(blocks), green(blocks), blue(blocks);
    BandColors<Pixel> colors(w, shift);
    constexpr bool channelsApart = requires(const Pixel* row, uint32_t& v) { Format::addChannels(row, 0, 0, v, v, v); };
    std::optional<Rgb565BlockLanes> lanes;
    if (channelsApart && inLanes) lanes.emplace(w, shift);
    for (int top = 0; top < h; top += size) {
        const int bottom = std::min(top + size, h);
        if (!lanes) {
            std::fill(red.begin(), red.end(), 0);
            std::fill(green.begin(), green.end(), 0);
            std::fill(blue.begin(), blue.end(), 0);
        }
        if constexpr (channelsApart) {
            if (lanes) {
                lanes->addRows(in, top, bottom);
                lanes->takeSums(red, green, blue);
            } else {
                for (int y = top; y < bottom; ++y) {
                    const Pixel* row = in.rowAs<const Pixel>(y);
                    for (size_t block = 0; block < blocks; ++block) {
                        const int left = static_cast<int>(block) << shift;
                        Format::addChannels(row, left, std::min(left + size, w), red[block], green[block], blue[block]);
                    }
                }
            }
        } else {
            // Packed sums over pieces of a block's row, two rows at once when blocks
            // are small, each piece small enough for the packed channels not to overflow.
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
                        typename Format::Sum sum = Format::sumOf(row, from, to);
                        if (next) sum += Format::sumOf(next, from, to);
                        red[block] += Format::redSum(sum);
                        green[block] += Format::greenSum(sum);
                        blue[block] += Format::blueSum(sum);
                    }
                }
            }
        }
        for (size_t block = 0; block < blocks; ++block) {
            colors[block] = Format::make(red[block] >> (2 * shift), green[block] >> (2 * shift),
                                          blue[block] >> (2 * shift));
        }
        colors.paint(out, top, bottom);
    }
}

// Shrinking blocks of 4 to 16 columns, by the same rule as averagedBlocks: each
// column's channels are summed down the band, then neighbouring sums are added
// in pairs `shift` times, so that every pass is a plain vector loop over 16-bit
// lanes. The three channels lie one after another in one array: a pair never
// spans two of them, since each holds a whole number of blocks.
template <typename Format>
[[gnu::always_inline]] inline void narrowAveragedBlocks(const PixelRows& out, const PixelRows& in, int shift) {
    using Pixel = typename Format::Pixel;
    const int size = 1 << shift;
    const int w = out.width, h = out.height;
    BandColors<Pixel> colors(w, shift);
    const size_t blocks = colors.blocks(), columns = blocks << shift;
    std::vector<uint16_t> sums(3 * columns), halves(3 * columns / 2);
    uint16_t* red = sums.data();
    uint16_t* green = red + columns;
    uint16_t* blue = green + columns;
    for (int top = 0; top < h; top += size) {
        const int bottom = std::min(top + size, h);
        // Rows two at a time, with no test in the loop: the band's first pair
        // sets the sums (keep = 0), and a last row without a partner reads itself
        // twice and counts once (take = 0).
        for (int y = top; y < bottom; y += 2) {
            const Pixel* row = in.rowAs<const Pixel>(y);
            const Pixel* next = in.rowAs<const Pixel>(std::min(y + 1, bottom - 1));
            const uint16_t keep = y == top ? 0 : 0xFFFF;
            const uint16_t take = y + 1 < bottom ? 0xFFFF : 0;
            for (int x = 0; x < w; ++x) {
                red[x] = static_cast<uint16_t>((red[x] & keep) + Format::red(row[x]) + (Format::red(next[x]) & take));
                green[x] = static_cast<uint16_t>((green[x] & keep) + Format::green(row[x]) + (Format::green(next[x]) & take));
                blue[x] = static_cast<uint16_t>((blue[x] & keep) + Format::blue(row[x]) + (Format::blue(next[x]) & take));
            }
        }
        uint16_t* from = sums.data();
        uint16_t* to = halves.data();
        for (size_t n = 3 * columns / 2; n >= 3 * blocks; n /= 2, std::swap(from, to)) {
            for (size_t i = 0; i < n; ++i) to[i] = static_cast<uint16_t>(from[2 * i] + from[2 * i + 1]);
        }
        for (size_t block = 0; block < blocks; ++block) {
            colors[block] = Format::make(from[block] >> (2 * shift), from[blocks + block] >> (2 * shift),
                                         from[2 * blocks + block] >> (2 * shift));
        }
        colors.paint(out, top, bottom);
    }
}

// The color of one block of 2^shift pixels whose on-screen part is
// [left, right) x [top, bottom): its four samples, or its on-screen sum divided
// by the full block area.
template <typename Format>
[[gnu::always_inline]] inline typename Format::Pixel blockColor(const PixelRows& in, int left, int top, int right,
                                                                 int bottom, int shift, bool averaged) {
    using Pixel = typename Format::Pixel;
    typename Format::Sum sum = 0;
    if (!averaged) {
        const int half = (1 << shift) / 2;
        const int x2 = std::min(left + half, in.width - 1), y2 = std::min(top + half, in.height - 1);
        const Pixel* upper = in.rowAs<const Pixel>(top);
        const Pixel* lower = in.rowAs<const Pixel>(y2);
        return Format::quarter(upper[left], upper[x2], lower[left], lower[x2]);
    }
    for (int y = top; y < bottom; ++y) sum += Format::sumOf(in.rowAs<const Pixel>(y), left, right);
    return Format::fold(sum >> (2 * shift));
}

// Blocks of 2 x 2, the costliest frames: where a block is whole, both rules read
// the same four pixels, so the inner loop is one plain pass over pairs of pixels;
// the cut blocks of an odd last column or row follow their own rule.
template <typename Format>
[[gnu::always_inline]] inline void pairBlocks(const PixelRows& out, const PixelRows& in, bool averaged) {
    using Pixel = typename Format::Pixel;
    const int w = out.width, h = out.height;
    const int pairs = w / 2;
    for (int y = 0; y < h; y += 2) {
        Pixel* o0 = out.rowAs<Pixel>(y);
        if (y + 1 < h) {
            const Pixel* top = in.rowAs<const Pixel>(y);
            const Pixel* low = in.rowAs<const Pixel>(y + 1);
            Pixel* o1 = out.rowAs<Pixel>(y + 1);
            if constexpr (requires { Format::quarterPairs(top, low, o0, o1, pairs); }) {
                Format::quarterPairs(top, low, o0, o1, pairs);
            } else {
                for (int k = 0; k < pairs; ++k) {
                    const Pixel c = Format::quarter(top[2 * k], top[2 * k + 1], low[2 * k], low[2 * k + 1]);
                    o0[2 * k] = c;
                    o0[2 * k + 1] = c;
                    o1[2 * k] = c;
                    o1[2 * k + 1] = c;
                }
            }
            if (w % 2) {
                const Pixel c = blockColor<Format>(in, w - 1, y, w, y + 2, 1, averaged);
                o0[w - 1] = c;
                o1[w - 1] = c;
            }
        } else {
            for (int x = 0; x < w; x += 2) {
                const Pixel c = blockColor<Format>(in, x, y, std::min(x + 2, w), y + 1, 1, averaged);
                for (int i = x; i < std::min(x + 2, w); ++i) o0[i] = c;
            }
        }
    }
}

template <typename Format>
[[gnu::always_inline]] inline void mosaicRows(const PixelRows& out, const PixelRows& scene, const PixelRows& stage,
                                              int f, EffectPath path) {
    const bool averaged = f > kGrowingFrames;
    // Blocks of 2, 4, ... 256 from the scene, then 256, 128, ... 2 from the stage.
    const int shift = averaged ? kMosaicFrames + 1 - f : f;
    const PixelRows& in = averaged ? stage : scene;
    const bool avx512 = path == EffectPath::Avx512;
    if (shift == 1) {
        pairBlocks<Format>(out, in, averaged);
    } else if (avx512 && averaged && shift <= MosaicTiles::largestAveragedShift(in.format)) {
        MosaicTiles::paintAveraged(out, in, shift);
    } else if (avx512 && std::is_same_v<Format, Rgb565> && shift <= MosaicTiles::kLargestSampledShift) {
        MosaicTiles::paintSampled(out, in, shift);
    } else if (!averaged) {
        sampledBlocks<Format>(out, in, shift);
    } else if (shift <= kLargestNarrowShift) {
        narrowAveragedBlocks<Format>(out, in, shift);
    } else {
        averagedBlocks<Format>(out, in, shift, avx512 && shift >= Rgb565BlockLanes::kLeastShift);
    }
}

MORV_PIXEL_LOOP void mosaic565(const PixelRows& out, const PixelRows& scene, const PixelRows& stage, int f,
                               EffectPath path) {
    mosaicRows<Rgb565>(out, scene, stage, f, path);
}

MORV_PIXEL_LOOP void mosaic8888(const PixelRows& out, const PixelRows& scene, const PixelRows& stage, int f,
                                EffectPath path) {
    mosaicRows<Xrgb8888>(out, scene, stage, f, path);
}

bool sameShape(const PixelRows& a, const PixelRows& b) {
    return a && b && a.format == b.format && a.width == b.width && a.height == b.height;
}

}  // namespace

void mosaicFrame(Surface& frame, Surface& scene, Surface& stage, int f) {
    mosaicFrameBy(effectPathsHere().front(), frame, scene, stage, f);
}

void mosaicFrameBy(EffectPath path, Surface& frame, Surface& scene, Surface& stage, int f) {
    if (f < 1 || f > kMosaicFrames) return;
    const PixelRows out = frame.lock(), old = scene.lock(), next = stage.lock();
    if (!sameShape(out, old) || !sameShape(out, next)) return;
    if (out.format == PixelFormat::Rgb565) {
        mosaic565(out, old, next, f, path);
    } else {
        mosaic8888(out, old, next, f, path);
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
    run.copyWhole(run.frame(), run.stage());
    run.copyWhole(run.scene(), run.stage());
}

}  // namespace morv
