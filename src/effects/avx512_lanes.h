// Lane masks, and masked loads and stores of 16-bit and 32-bit pixels in AVX-512 vectors.
#pragma once
#include <cstdint>

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

// The lowest `count` lanes (0 to 64).
constexpr uint64_t lowLanes(int count) { return count >= 64 ? ~uint64_t{0} : (uint64_t{1} << count) - 1; }

#ifdef MORV_AVX512_BUILT

// Masked loads and stores of 16-bit (words) or 32-bit (double words) pixels,
// 64 / sizeof(Pixel) to a vector.
template <typename P>
struct PixelLanes {
    static_assert(sizeof(P) == 2 || sizeof(P) == 4);
    using Pixel = P;
    static constexpr int kLanes = 64 / static_cast<int>(sizeof(P));
    MORV_AVX512 static __m512i load(uint64_t lanes, const Pixel* p) {
        if constexpr (sizeof(P) == 2) return _mm512_maskz_loadu_epi16(static_cast<__mmask32>(lanes), p);
        else return _mm512_maskz_loadu_epi32(static_cast<__mmask16>(lanes), p);
    }
    MORV_AVX512 static void store(Pixel* p, uint64_t lanes, __m512i v) {
        if constexpr (sizeof(P) == 2) _mm512_mask_storeu_epi16(p, static_cast<__mmask32>(lanes), v);
        else _mm512_mask_storeu_epi32(p, static_cast<__mmask16>(lanes), v);
    }
};
using WordLanes = PixelLanes<uint16_t>;
using DoubleWordLanes = PixelLanes<uint32_t>;

#endif

}  // namespace morv
