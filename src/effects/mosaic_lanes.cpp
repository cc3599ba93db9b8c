// Large mosaic blocks' channel sums in AVX-512 lanes.
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

}  // namespace

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
