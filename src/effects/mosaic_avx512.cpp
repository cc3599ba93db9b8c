// Mosaic blocks drawn with AVX-512.
#include "effects/mosaic_avx512.h"

#include <algorithm>
#include <numeric>

#include "effects/avx512_lanes.h"

namespace morv {

namespace {
// A block's 32-bit lane sums: 16 of each channel.
constexpr size_t kSumLanes = 16;
constexpr size_t kBlockLanes = 3 * kSumLanes;
}  // namespace

Rgb565BlockLanes::Rgb565BlockLanes(int width, int shift)
    : width_(width), shift_(shift), lanes_(static_cast<size_t>((width + (1 << shift) - 1) >> shift) * kBlockLanes) {}

#ifdef MORV_AVX512_BUILT

namespace {

// Red, green and blue sums in the lanes of three vectors.
struct FieldSums {
    __m512i red, green, blue;
};

// Adds 32 pixels' fields to the lanes: each multiply-add sums two 16-bit
// fields, all below 2^11, into a 32-bit lane, which 256 rows of 256 columns
// cannot fill.
MORV_AVX512 inline void addPixels(FieldSums& s, __m512i pixels) {
    const __m512i ones = _mm512_set1_epi16(1);
    s.red = _mm512_add_epi32(s.red, _mm512_madd_epi16(_mm512_srli_epi16(pixels, 11), ones));
    s.green = _mm512_add_epi32(s.green, _mm512_madd_epi16(_mm512_and_si512(pixels, _mm512_set1_epi16(0x07E0)), ones));
    s.blue = _mm512_add_epi32(s.blue, _mm512_madd_epi16(_mm512_and_si512(pixels, _mm512_set1_epi16(0x001F)), ones));
}

// Adds up 32-bit lanes in groups of 2^kLevels (at most 16): every lane of a
// group ends with the group's sum.
template <int kLevels>
MORV_AVX512 inline __m512i addLaneGroups(__m512i s) {
    if constexpr (kLevels >= 1) s = _mm512_add_epi32(s, _mm512_shuffle_epi32(s, _MM_PERM_CDAB));
    if constexpr (kLevels >= 2) s = _mm512_add_epi32(s, _mm512_shuffle_epi32(s, _MM_PERM_BADC));
    if constexpr (kLevels >= 3) s = _mm512_add_epi32(s, _mm512_shuffle_i64x2(s, s, _MM_SHUFFLE(2, 3, 0, 1)));
    if constexpr (kLevels >= 4) s = _mm512_add_epi32(s, _mm512_shuffle_i64x2(s, s, _MM_SHUFFLE(1, 0, 3, 2)));
    return s;
}

// The lanes of a vector of `lanes` pixels at x that lie before `end`.
inline uint64_t lanesBefore(int end, int x, int lanes) { return lowLanes(std::clamp(end - x, 0, lanes)); }

// 565 pixels, 32 to a vector, their fields summed down a band in 16-bit lanes
// (256 rows of 63 fit).
struct Words : WordLanes {
    static constexpr int kLaneLevels = 5;
    MORV_AVX512 static void addFields(FieldSums& s, __m512i pixels) {
        s.red = _mm512_add_epi16(s.red, _mm512_srli_epi16(pixels, 11));
        s.green = _mm512_add_epi16(s.green, _mm512_and_si512(_mm512_srli_epi16(pixels, 5), _mm512_set1_epi16(63)));
        s.blue = _mm512_add_epi16(s.blue, _mm512_and_si512(pixels, _mm512_set1_epi16(31)));
    }
    // Sums of 2^kShift columns in every 32-bit lane of their group.
    template <int kShift>
    MORV_AVX512 static __m512i groupSums(__m512i columns) {
        return addLaneGroups<kShift - 1>(_mm512_madd_epi16(columns, _mm512_set1_epi16(1)));
    }
    // The colors of the sums divided by 2^area, in every pixel of their group.
    template <int kArea>
    MORV_AVX512 static __m512i colors(const FieldSums& s) {
        const __m512i c = _mm512_or_si512(_mm512_slli_epi32(_mm512_srli_epi32(s.red, kArea), 11),
                                          _mm512_or_si512(_mm512_slli_epi32(_mm512_srli_epi32(s.green, kArea), 5),
                                                          _mm512_srli_epi32(s.blue, kArea)));
        return _mm512_or_si512(c, _mm512_slli_epi32(c, 16));
    }
};

// 8888 pixels, 16 to a vector, their fields summed in 32-bit lanes.
struct DoubleWords : DoubleWordLanes {
    static constexpr int kLaneLevels = 4;
    MORV_AVX512 static void addFields(FieldSums& s, __m512i pixels) {
        const __m512i byte = _mm512_set1_epi32(255);
        s.red = _mm512_add_epi32(s.red, _mm512_and_si512(_mm512_srli_epi32(pixels, 16), byte));
        s.green = _mm512_add_epi32(s.green, _mm512_and_si512(_mm512_srli_epi32(pixels, 8), byte));
        s.blue = _mm512_add_epi32(s.blue, _mm512_and_si512(pixels, byte));
    }
    template <int kShift>
    MORV_AVX512 static __m512i groupSums(__m512i columns) {
        return addLaneGroups<kShift>(columns);
    }
    template <int kArea>
    MORV_AVX512 static __m512i colors(const FieldSums& s) {
        return _mm512_or_si512(_mm512_slli_epi32(_mm512_srli_epi32(s.red, kArea), 16),
                               _mm512_or_si512(_mm512_slli_epi32(_mm512_srli_epi32(s.green, kArea), 8),
                                               _mm512_srli_epi32(s.blue, kArea)));
    }
};

// A band's averaged blocks: each column's channels summed down the band, then
// across each block. Blocks wider than a vector take a tile of a block;
// narrower ones, one vector.
template <typename Lanes>
struct AveragedTile {
    using Pixel = typename Lanes::Pixel;
    static constexpr int kLanes = Lanes::kLanes;
    template <int kShift>
    static constexpr int kVectors = (1 << kShift) > Lanes::kLanes ? (1 << kShift) / Lanes::kLanes : 1;

    template <int kShift>
    [[gnu::always_inline]] MORV_AVX512 static void paint(const PixelRows& in, Pixel* first, int x, int top, int bottom) {
        constexpr int kCount = kVectors<kShift>;
        uint64_t inside[kCount];
        FieldSums columns[kCount];
        for (int v = 0; v < kCount; ++v) {
            inside[v] = lanesBefore(in.width, x + Lanes::kLanes * v, Lanes::kLanes);
            columns[v].red = columns[v].green = columns[v].blue = _mm512_setzero_si512();
        }
        // A band reads as many rows side by side as it is tall, more than the
        // processor follows by itself: each row asks for its part four tiles
        // ahead (blocks of 4 to 16 measured about a tenth faster; asking for
        // the next band's rows, or eight tiles ahead, measured no better).
        for (int y = top; y < bottom; ++y) {
            const Pixel* row = in.rowAs<const Pixel>(y) + x;
            const uintptr_t ahead = reinterpret_cast<uintptr_t>(row) + 4 * sizeof(Pixel) * Lanes::kLanes * kCount;
            _mm_prefetch(reinterpret_cast<const char*>(ahead), _MM_HINT_T0);
            for (int v = 0; v < kCount; ++v) Lanes::addFields(columns[v], Lanes::load(inside[v], row + Lanes::kLanes * v));
        }
        constexpr int kGroup = std::min(kShift, Lanes::kLaneLevels);
        FieldSums blocks{Lanes::template groupSums<kGroup>(columns[0].red),
                         Lanes::template groupSums<kGroup>(columns[0].green),
                         Lanes::template groupSums<kGroup>(columns[0].blue)};
        for (int v = 1; v < kCount; ++v) {
            blocks.red = _mm512_add_epi32(blocks.red, Lanes::template groupSums<kGroup>(columns[v].red));
            blocks.green = _mm512_add_epi32(blocks.green, Lanes::template groupSums<kGroup>(columns[v].green));
            blocks.blue = _mm512_add_epi32(blocks.blue, Lanes::template groupSums<kGroup>(columns[v].blue));
        }
        const __m512i colors = Lanes::template colors<2 * kShift>(blocks);
        for (int v = 0; v < kCount; ++v) Lanes::store(first + x + Lanes::kLanes * v, inside[v], colors);
    }
};

// A band's sampled blocks: every column's four samples (at it and half a block
// to the right, in the band's first row and half a block down; the last column
// and row where those lie past the edge), and each block takes its first
// column's color.
struct SampledTile {
    using Pixel = uint16_t;
    static constexpr int kLanes = Words::kLanes;
    template <int kShift>
    static constexpr int kVectors = 1;

    template <int kShift>
    [[gnu::always_inline]] MORV_AVX512 static void paint(const PixelRows& in, Pixel* first, int x, int top, int) {
        const uint64_t inside = lanesBefore(in.width, x, kLanes);
        constexpr int kHalf = 1 << (kShift - 1);
        const uint16_t* upper = in.rowAs<const uint16_t>(top);
        const uint16_t* lower = in.rowAs<const uint16_t>(std::min(top + kHalf, in.height - 1));
        const auto rightInside = static_cast<__mmask32>(lanesBefore(in.width - kHalf, x, kLanes));
        const __m512i samples[4] = {
            Words::load(inside, upper + x),
            _mm512_mask_loadu_epi16(_mm512_set1_epi16(static_cast<short>(upper[in.width - 1])), rightInside,
                                    upper + x + kHalf),
            Words::load(inside, lower + x),
            _mm512_mask_loadu_epi16(_mm512_set1_epi16(static_cast<short>(lower[in.width - 1])), rightInside,
                                    lower + x + kHalf),
        };
        FieldSums sums{_mm512_setzero_si512(), _mm512_setzero_si512(), _mm512_setzero_si512()};
        for (const __m512i& pixels : samples) Words::addFields(sums, pixels);
        const __m512i colors = _mm512_or_si512(_mm512_slli_epi16(_mm512_srli_epi16(sums.red, 2), 11),
                                               _mm512_or_si512(_mm512_slli_epi16(_mm512_srli_epi16(sums.green, 2), 5),
                                                               _mm512_srli_epi16(sums.blue, 2)));
        // Lane i takes the color of lane i rounded down to its block.
        const __m512i firsts = _mm512_andnot_si512(_mm512_set1_epi16((1 << kShift) - 1),
                                                   _mm512_set_epi16(31, 30, 29, 28, 27, 26, 25, 24, 23, 22, 21, 20, 19, 18, 17, 16,
                                                                    15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0));
        Words::store(first + x, inside, _mm512_permutexvar_epi16(firsts, colors));
    }
};

// Paints every band of 2^kShift rows a tile at a time, with the colors the
// rule gives the tile, into the band's first row, which is then copied to the
// others (row by row: stores down a tile's column of rows measured slower).
template <typename Rule, int kShift>
MORV_AVX512 void paintTiles(const PixelRows& out, const PixelRows& in) {
    using Pixel = typename Rule::Pixel;
    constexpr int kTile = Rule::kLanes * Rule::template kVectors<kShift>;
    const int w = out.width, h = out.height;
    for (int top = 0; top < h; top += 1 << kShift) {
        const int bottom = std::min(top + (1 << kShift), h);
        Pixel* first = out.rowAs<Pixel>(top);
        for (int x = 0; x < w; x += kTile) Rule::template paint<kShift>(in, first, x, top, bottom);
        for (int y = top + 1; y < bottom; ++y) std::copy(first, first + w, out.rowAs<Pixel>(y));
    }
}

template <typename Rule, int kLargestShift>
MORV_AVX512 void paintTilesOf(const PixelRows& out, const PixelRows& in, int shift) {
    static_assert(kLargestShift >= 5 && kLargestShift <= 7);
    switch (shift) {
        case 2: paintTiles<Rule, 2>(out, in); break;
        case 3: paintTiles<Rule, 3>(out, in); break;
        case 4: paintTiles<Rule, 4>(out, in); break;
        case 5: paintTiles<Rule, 5>(out, in); break;
        case 6:
            if constexpr (kLargestShift >= 6) paintTiles<Rule, 6>(out, in);
            break;
        case 7:
            if constexpr (kLargestShift >= 7) paintTiles<Rule, 7>(out, in);
            break;
        default: break;
    }
}

}  // namespace

MORV_AVX512 void MosaicTiles::paintAveraged(const PixelRows& out, const PixelRows& in, int shift) {
    if (out.format == PixelFormat::Rgb565) {
        paintTilesOf<AveragedTile<Words>, largestAveragedShift(PixelFormat::Rgb565)>(out, in, shift);
    } else {
        paintTilesOf<AveragedTile<DoubleWords>, largestAveragedShift(PixelFormat::Xrgb8888)>(out, in, shift);
    }
}

MORV_AVX512 void MosaicTiles::paintSampled(const PixelRows& out, const PixelRows& in, int shift) {
    paintTilesOf<SampledTile, kLargestSampledShift>(out, in, shift);
}

MORV_AVX512 void Rgb565BlockLanes::addRows(const PixelRows& in, int top, int bottom) {
    const int size = 1 << shift_;
    for (int y = top; y < bottom; ++y) {
        const uint16_t* row = in.rowAs<const uint16_t>(y);
        uint32_t* lanes = lanes_.data();
        for (int left = 0; left < width_; left += size, lanes += kBlockLanes) {
            const int right = std::min(left + size, width_);
            FieldSums s{_mm512_loadu_si512(lanes), _mm512_loadu_si512(lanes + kSumLanes),
                        _mm512_loadu_si512(lanes + 2 * kSumLanes)};
            int x = left;
            for (; x + 32 <= right; x += 32) addPixels(s, _mm512_loadu_si512(row + x));
            if (x < right) addPixels(s, WordLanes::load(lowLanes(right - x), row + x));
            _mm512_storeu_si512(lanes, s.red);
            _mm512_storeu_si512(lanes + kSumLanes, s.green);
            _mm512_storeu_si512(lanes + 2 * kSumLanes, s.blue);
        }
    }
}

#else

// Other builds never choose these paths.
void MosaicTiles::paintAveraged(const PixelRows&, const PixelRows&, int) {}
void MosaicTiles::paintSampled(const PixelRows&, const PixelRows&, int) {}
void Rgb565BlockLanes::addRows(const PixelRows&, int, int) {}

#endif

void Rgb565BlockLanes::takeSums(std::vector<uint32_t>& red, std::vector<uint32_t>& green, std::vector<uint32_t>& blue) {
    const uint32_t* lanes = lanes_.data();
    for (size_t block = 0; block < red.size(); ++block, lanes += kBlockLanes) {
        red[block] = std::accumulate(lanes, lanes + kSumLanes, uint32_t{0});
        green[block] = std::accumulate(lanes + kSumLanes, lanes + 2 * kSumLanes, uint32_t{0}) >> 5;
        blue[block] = std::accumulate(lanes + 2 * kSumLanes, lanes + kBlockLanes, uint32_t{0});
    }
    std::fill(lanes_.begin(), lanes_.end(), 0);
}

}  // namespace morv
