// Averaged 16-bit mosaic blocks summed in AVX-512 lanes.
#include "effects/mosaic_lanes.h"

#include <algorithm>
#include <numeric>

#include "effects/avx512.h"
#ifdef MORV_AVX512_BUILT
#include <immintrin.h>
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
// columns: every 32-bit lane of a group ends with the group's sum, which stays
// below 2^16 (32 x 32 pixels of 63).
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

template <int kShift>
MORV_AVX512 void paintNarrow(const PixelRows& out, const PixelRows& in) {
    const int w = out.width, h = out.height;
    const __m512i field5 = _mm512_set1_epi16(31), field6 = _mm512_set1_epi16(63);
    for (int top = 0; top < h; top += 1 << kShift) {
        const int bottom = std::min(top + (1 << kShift), h);
        for (int x = 0; x < w; x += 32) {
            const __mmask32 inside = w - x >= 32 ? ~__mmask32{0} : (uint32_t{1} << (w - x)) - 1;
            __m512i red = _mm512_setzero_si512(), green = red, blue = red;
            for (int y = top; y < bottom; ++y) {
                const __m512i pixels = _mm512_maskz_loadu_epi16(inside, in.rowAs<const uint16_t>(y) + x);
                red = _mm512_add_epi16(red, _mm512_srli_epi16(pixels, 11));
                green = _mm512_add_epi16(green, _mm512_and_si512(_mm512_srli_epi16(pixels, 5), field6));
                blue = _mm512_add_epi16(blue, _mm512_and_si512(pixels, field5));
            }
            const __m512i colors =
                groupColors<kShift>(groupSums<kShift>(red), groupSums<kShift>(green), groupSums<kShift>(blue));
            for (int y = top; y < bottom; ++y) _mm512_mask_storeu_epi16(out.rowAs<uint16_t>(y) + x, inside, colors);
        }
    }
}

}  // namespace

MORV_AVX512 void Rgb565NarrowBlocks::paint(const PixelRows& out, const PixelRows& in, int shift) {
    switch (shift) {
        case 2: paintNarrow<2>(out, in); break;
        case 3: paintNarrow<3>(out, in); break;
        case 4: paintNarrow<4>(out, in); break;
        case 5: paintNarrow<5>(out, in); break;
        default: break;
    }
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
void Rgb565NarrowBlocks::paint(const PixelRows&, const PixelRows&, int) {}
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
