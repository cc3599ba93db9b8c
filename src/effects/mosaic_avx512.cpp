// Mosaic blocks of 16-bit pixels drawn with AVX-512.
#include "effects/mosaic_avx512.h"

#include <algorithm>
#include <numeric>

#include "effects/avx512.h"
#ifdef MORV_AVX512_BUILT
// GCC 12 takes the "undefined" source operand inside the shift and shuffle
// intrinsics for an uninitialized value once they are inlined.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wuninitialized"
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#include <immintrin.h>
#pragma GCC diagnostic pop
#endif

namespace morv {

namespace {
constexpr size_t kLanes = 16;
constexpr size_t kBlockLanes = 3 * kLanes;
}  // namespace

Rgb565BlockLanes::Rgb565BlockLanes(int width, int shift)
    : width_(width), shift_(shift), lanes_(static_cast<size_t>((width + (1 << shift) - 1) >> shift) * kBlockLanes) {}

#ifdef MORV_AVX512_BUILT

namespace {

// Adds 32 pixels' fields to the lanes: each multiply-add sums two 16-bit
// fields, all below 2^11, into a 32-bit lane, which 256 rows of 256 columns
// cannot fill.
struct FieldSums {
    __m512i red, green, blue;
};
MORV_AVX512 inline void addPixels(FieldSums& s, __m512i pixels) {
    const __m512i ones = _mm512_set1_epi16(1);
    s.red = _mm512_add_epi32(s.red, _mm512_madd_epi16(_mm512_srli_epi16(pixels, 11), ones));
    s.green = _mm512_add_epi32(s.green, _mm512_madd_epi16(_mm512_and_si512(pixels, _mm512_set1_epi16(0x07E0)), ones));
    s.blue = _mm512_add_epi32(s.blue, _mm512_madd_epi16(_mm512_and_si512(pixels, _mm512_set1_epi16(0x001F)), ones));
}

// Adds up a band's 32 columns of 16-bit field sums in groups of 2^kShift
// columns (at most 32): every 32-bit lane of a group ends with the group's sum.
template <int kShift>
MORV_AVX512 inline __m512i groupSums(__m512i columnSums) {
    __m512i s = _mm512_madd_epi16(columnSums, _mm512_set1_epi16(1));
    s = _mm512_add_epi32(s, _mm512_shuffle_epi32(s, _MM_PERM_CDAB));
    if constexpr (kShift >= 3) s = _mm512_add_epi32(s, _mm512_shuffle_epi32(s, _MM_PERM_BADC));
    if constexpr (kShift >= 4) s = _mm512_add_epi32(s, _mm512_shuffle_i64x2(s, s, _MM_SHUFFLE(2, 3, 0, 1)));
    if constexpr (kShift >= 5) s = _mm512_add_epi32(s, _mm512_shuffle_i64x2(s, s, _MM_SHUFFLE(1, 0, 3, 2)));
    return s;
}

// The groups' colors from their sums, in every pixel of the group. Each sum
// divided by the block's area fits its field.
template <int kShift>
MORV_AVX512 inline __m512i groupColors(__m512i red, __m512i green, __m512i blue) {
    constexpr int kArea = 2 * kShift;
    const __m512i c = _mm512_or_si512(_mm512_slli_epi32(_mm512_srli_epi32(red, kArea), 11),
                                      _mm512_or_si512(_mm512_slli_epi32(_mm512_srli_epi32(green, kArea), 5),
                                                      _mm512_srli_epi32(blue, kArea)));
    return _mm512_or_si512(c, _mm512_slli_epi32(c, 16));
}

// The lanes of a tile of 32 columns at x that lie before `end`.
inline __mmask32 lanesBefore(int end, int x) {
    const int count = std::clamp(end - x, 0, 32);
    return count == 32 ? ~__mmask32{0} : (uint32_t{1} << count) - 1;
}

// A band's averaged blocks: each column's channels summed down the band, then
// across each block.
struct AveragedTile {
    // Blocks wider than a vector take a tile of a block; narrower ones, one vector.
    template <int kShift>
    static constexpr int kVectors = kShift > 5 ? 1 << (kShift - 5) : 1;

    template <int kShift>
    MORV_AVX512 static void paint(const PixelRows& in, uint16_t* first, int x, int top, int bottom) {
        constexpr int kCount = kVectors<kShift>;
        const __m512i field5 = _mm512_set1_epi16(31), field6 = _mm512_set1_epi16(63);
        __mmask32 inside[kCount];
        __m512i red[kCount], green[kCount], blue[kCount];
        for (int v = 0; v < kCount; ++v) {
            inside[v] = lanesBefore(in.width, x + 32 * v);
            red[v] = green[v] = blue[v] = _mm512_setzero_si512();
        }
        for (int y = top; y < bottom; ++y) {
            const uint16_t* row = in.rowAs<const uint16_t>(y) + x;
            for (int v = 0; v < kCount; ++v) {
                const __m512i pixels = _mm512_maskz_loadu_epi16(inside[v], row + 32 * v);
                red[v] = _mm512_add_epi16(red[v], _mm512_srli_epi16(pixels, 11));
                green[v] = _mm512_add_epi16(green[v], _mm512_and_si512(_mm512_srli_epi16(pixels, 5), field6));
                blue[v] = _mm512_add_epi16(blue[v], _mm512_and_si512(pixels, field5));
            }
        }
        constexpr int kGroup = kShift > 5 ? 5 : kShift;
        __m512i r = groupSums<kGroup>(red[0]), g = groupSums<kGroup>(green[0]), b = groupSums<kGroup>(blue[0]);
        for (int v = 1; v < kCount; ++v) {
            r = _mm512_add_epi32(r, groupSums<kGroup>(red[v]));
            g = _mm512_add_epi32(g, groupSums<kGroup>(green[v]));
            b = _mm512_add_epi32(b, groupSums<kGroup>(blue[v]));
        }
        const __m512i colors = groupColors<kShift>(r, g, b);
        for (int v = 0; v < kCount; ++v) _mm512_mask_storeu_epi16(first + x + 32 * v, inside[v], colors);
    }
};

// A band's sampled blocks: every column's four samples (at it and half a block
// to the right, in the band's first row and half a block down; the last column
// and row where those lie past the edge), and each block takes its first
// column's color.
struct SampledTile {
    template <int kShift>
    static constexpr int kVectors = 1;

    template <int kShift>
    MORV_AVX512 static void paint(const PixelRows& in, uint16_t* first, int x, int top, int) {
        const __mmask32 inside = lanesBefore(in.width, x);
        constexpr int kHalf = 1 << (kShift - 1);
        const __m512i field5 = _mm512_set1_epi16(31), field6 = _mm512_set1_epi16(63);
        const uint16_t* upper = in.rowAs<const uint16_t>(top);
        const uint16_t* lower = in.rowAs<const uint16_t>(std::min(top + kHalf, in.height - 1));
        const __mmask32 rightInside = lanesBefore(in.width - kHalf, x);
        const __m512i samples[4] = {
            _mm512_maskz_loadu_epi16(inside, upper + x),
            _mm512_mask_loadu_epi16(_mm512_set1_epi16(static_cast<short>(upper[in.width - 1])), rightInside,
                                    upper + x + kHalf),
            _mm512_maskz_loadu_epi16(inside, lower + x),
            _mm512_mask_loadu_epi16(_mm512_set1_epi16(static_cast<short>(lower[in.width - 1])), rightInside,
                                    lower + x + kHalf),
        };
        __m512i red = _mm512_setzero_si512(), green = red, blue = red;
        for (const __m512i& pixels : samples) {
            red = _mm512_add_epi16(red, _mm512_srli_epi16(pixels, 11));
            green = _mm512_add_epi16(green, _mm512_and_si512(_mm512_srli_epi16(pixels, 5), field6));
            blue = _mm512_add_epi16(blue, _mm512_and_si512(pixels, field5));
        }
        const __m512i colors = _mm512_or_si512(_mm512_slli_epi16(_mm512_srli_epi16(red, 2), 11),
                                               _mm512_or_si512(_mm512_slli_epi16(_mm512_srli_epi16(green, 2), 5),
                                                               _mm512_srli_epi16(blue, 2)));
        // Lane i takes the color of lane i rounded down to its block.
        const __m512i firsts = _mm512_andnot_si512(_mm512_set1_epi16((1 << kShift) - 1),
                                                   _mm512_set_epi16(31, 30, 29, 28, 27, 26, 25, 24, 23, 22, 21, 20, 19, 18, 17, 16,
                                                                    15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0));
        _mm512_mask_storeu_epi16(first + x, inside, _mm512_permutexvar_epi16(firsts, colors));
    }
};

// Paints every band of 2^kShift rows a tile of 32 columns at a time, with the
// colors the rule gives the tile, into the band's first row, which is then
// copied to the others (row by row: stores down a tile's column of rows measured slower).
template <typename Rule, int kShift>
MORV_AVX512 void paintTiles(const PixelRows& out, const PixelRows& in) {
    const int w = out.width, h = out.height;
    for (int top = 0; top < h; top += 1 << kShift) {
        const int bottom = std::min(top + (1 << kShift), h);
        uint16_t* first = out.rowAs<uint16_t>(top);
        for (int x = 0; x < w; x += 32 * Rule::template kVectors<kShift>) Rule::template paint<kShift>(in, first, x, top, bottom);
        for (int y = top + 1; y < bottom; ++y) std::copy(first, first + w, out.rowAs<uint16_t>(y));
    }
}

template <typename Rule>
MORV_AVX512 void paintTilesOf(const PixelRows& out, const PixelRows& in, int shift) {
    switch (shift) {
        case 2: paintTiles<Rule, 2>(out, in); break;
        case 3: paintTiles<Rule, 3>(out, in); break;
        case 4: paintTiles<Rule, 4>(out, in); break;
        case 5: paintTiles<Rule, 5>(out, in); break;
        case 6: paintTiles<Rule, 6>(out, in); break;
        default: break;
    }
}

}  // namespace

MORV_AVX512 void Rgb565BlockTiles::paintAveraged(const PixelRows& out, const PixelRows& in, int shift) {
    paintTilesOf<AveragedTile>(out, in, shift);
}

MORV_AVX512 void Rgb565BlockTiles::paintSampled(const PixelRows& out, const PixelRows& in, int shift) {
    paintTilesOf<SampledTile>(out, in, shift);
}

MORV_AVX512 void Rgb565BlockLanes::addRows(const PixelRows& in, int top, int bottom) {
    const int size = 1 << shift_;
    for (int y = top; y < bottom; ++y) {
        const uint16_t* row = in.rowAs<const uint16_t>(y);
        uint32_t* lanes = lanes_.data();
        for (int left = 0; left < width_; left += size, lanes += kBlockLanes) {
            const int right = std::min(left + size, width_);
            FieldSums s{_mm512_loadu_si512(lanes), _mm512_loadu_si512(lanes + kLanes),
                        _mm512_loadu_si512(lanes + 2 * kLanes)};
            int x = left;
            for (; x + 32 <= right; x += 32) addPixels(s, _mm512_loadu_si512(row + x));
            if (x < right) {
                const __mmask32 inside = (uint32_t{1} << (right - x)) - 1;
                addPixels(s, _mm512_maskz_loadu_epi16(inside, row + x));
            }
            _mm512_storeu_si512(lanes, s.red);
            _mm512_storeu_si512(lanes + kLanes, s.green);
            _mm512_storeu_si512(lanes + 2 * kLanes, s.blue);
        }
    }
}

#else

// Other builds never choose the lane sums.
void Rgb565BlockTiles::paintAveraged(const PixelRows&, const PixelRows&, int) {}
void Rgb565BlockTiles::paintSampled(const PixelRows&, const PixelRows&, int) {}
void Rgb565BlockLanes::addRows(const PixelRows&, int, int) {}

#endif

void Rgb565BlockLanes::takeSums(std::vector<uint32_t>& red, std::vector<uint32_t>& green, std::vector<uint32_t>& blue) {
    const uint32_t* lanes = lanes_.data();
    for (size_t block = 0; block < red.size(); ++block, lanes += kBlockLanes) {
        red[block] = std::accumulate(lanes, lanes + kLanes, uint32_t{0});
        green[block] = std::accumulate(lanes + kLanes, lanes + 2 * kLanes, uint32_t{0}) >> 5;
        blue[block] = std::accumulate(lanes + 2 * kLanes, lanes + kBlockLanes, uint32_t{0});
    }
    std::fill(lanes_.begin(), lanes_.end(), 0);
}

}  // namespace morv
