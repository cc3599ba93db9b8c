// The rotation's sampling of four rows at once by AVX-512 permutes over small windows of the scene.
#include "effects/rotate_windows.h"

#include <algorithm>

#include "effects/avx512.h"
#ifdef MORV_AVX512_BUILT
#include <immintrin.h>
#endif

namespace morv {

namespace {

constexpr int kBlockColumns = 8;
constexpr int kRows = 4;
// A window row is loaded as 16 pixels; a lane's index is its window row x 16
// plus its window column, and one permute reads four window rows (64 lanes).
constexpr int kWindowColumns = 16;
constexpr int kRowsPerPermute = 4;
constexpr int kLargestPermutes = 3;

}  // namespace

RotateWindows::RotateWindows(const std::vector<int>& down, const std::vector<int>& across) {
    const size_t blocks = std::min(down.size(), across.size()) / kBlockColumns;
    blocks_.reserve(blocks);
    lanes_.reserve(blocks * kBlockColumns);
    for (size_t b = 0; b < blocks; ++b) {
        const auto first = down.begin() + static_cast<ptrdiff_t>(b * kBlockColumns);
        const auto firstAcross = across.begin() + static_cast<ptrdiff_t>(b * kBlockColumns);
        const auto [leastDown, mostDown] = std::minmax_element(first, first + kBlockColumns);
        const auto [leastAcross, mostAcross] = std::minmax_element(firstAcross, firstAcross + kBlockColumns);
        blocks_.push_back({*leastDown, *leastAcross});
        downSpread_ = std::max(downSpread_, *mostDown - *leastDown);
        acrossSpread_ = std::max(acrossSpread_, *mostAcross - *leastAcross);
        for (int i = 0; i < kBlockColumns; ++i) {
            const int lane = (first[i] - *leastDown) * kWindowColumns + firstAcross[i] - *leastAcross;
            lanes_.push_back(static_cast<uint16_t>(lane));
        }
    }
}

#ifdef MORV_AVX512_BUILT

namespace {

// Window rows r and r + 1, 16 pixels each, in one vector; rows past the
// window's `Rows` are not read, and their lanes are never picked.
template <int Rows, int R>
MORV_AVX512 inline __m512i twoRows(const uint16_t* window, ptrdiff_t stride) {
    if constexpr (R >= Rows) {
        return _mm512_setzero_si512();
    } else {
        const __m256i upper = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(window + R * stride));
        // The masked forms: GCC 12's plain ones read an uninitialised operand and warn.
        const __m512i alone = _mm512_maskz_inserti64x4(0xFF, _mm512_setzero_si512(), upper, 0);
        if constexpr (R + 1 >= Rows) return alone;
        const __m256i lower = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(window + (R + 1) * stride));
        return _mm512_maskz_inserti64x4(0xFF, alone, lower, 1);
    }
}

// The 32 samples of a block, from the window whose top-left pixel is `window`.
template <int Rows>
MORV_AVX512 inline __m512i pickSamples(const uint16_t* window, ptrdiff_t stride, __m512i index) {
    __m512i picked =
        _mm512_permutex2var_epi16(twoRows<Rows, 0>(window, stride), index, twoRows<Rows, 2>(window, stride));
    if constexpr (Rows > kRowsPerPermute) {
        const __m512i more =
            _mm512_permutex2var_epi16(twoRows<Rows, 4>(window, stride), index, twoRows<Rows, 6>(window, stride));
        picked = _mm512_mask_mov_epi16(picked, _mm512_cmpge_epu16_mask(index, _mm512_set1_epi16(64)), more);
    }
    if constexpr (Rows > 2 * kRowsPerPermute) {
        const __m512i more =
            _mm512_permutex2var_epi16(twoRows<Rows, 8>(window, stride), index, twoRows<Rows, 10>(window, stride));
        picked = _mm512_mask_mov_epi16(picked, _mm512_cmpge_epu16_mask(index, _mm512_set1_epi16(128)), more);
    }
    return picked;
}

// The lane indices of block b: where each of its samples lies in its window.
MORV_AVX512 inline __m512i blockIndex(__m512i rowIndex, const uint16_t* lanes, size_t b) {
    const __m128i columns = _mm_loadu_si128(reinterpret_cast<const __m128i*>(lanes + b * kBlockColumns));
    return _mm512_add_epi16(rowIndex, _mm512_maskz_broadcast_i32x4(0xFFFF, columns));
}

// The eight lanes of each row to columns x to x + 7 of the four frame rows,
// those of `keep` (one bit per column) only.
MORV_AVX512 inline void storeSamples(uint16_t* const* out, size_t x, __m512i picked) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out[0] + x), _mm512_maskz_extracti32x4_epi32(0xF, picked, 0));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out[1] + x), _mm512_maskz_extracti32x4_epi32(0xF, picked, 1));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out[2] + x), _mm512_maskz_extracti32x4_epi32(0xF, picked, 2));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out[3] + x), _mm512_maskz_extracti32x4_epi32(0xF, picked, 3));
}
MORV_AVX512 inline void storeSamples(uint16_t* const* out, size_t x, __m512i picked, uint8_t keep) {
    _mm_mask_storeu_epi16(out[0] + x, keep, _mm512_maskz_extracti32x4_epi32(0xF, picked, 0));
    _mm_mask_storeu_epi16(out[1] + x, keep, _mm512_maskz_extracti32x4_epi32(0xF, picked, 1));
    _mm_mask_storeu_epi16(out[2] + x, keep, _mm512_maskz_extracti32x4_epi32(0xF, picked, 2));
    _mm_mask_storeu_epi16(out[3] + x, keep, _mm512_maskz_extracti32x4_epi32(0xF, picked, 3));
}

// A block near the scene's edges reads its window moved inside the scene, which
// still holds every sample of the block that lies inside; a part of a block
// keeps to the lanes of its own columns. (windowTop, windowLeft) is the corner
// of block b's own window.
template <int Rows>
MORV_AVX512 void sampleEdgeBlock(const RotateWindows::Scene& scene, uint16_t* const* out, const __m512i& rowIndex,
                                 const uint16_t* lanes, size_t b, int windowTop, int windowLeft, uint8_t keep) {
    const int movedTop = std::clamp(windowTop, 0, scene.height - Rows);
    const int movedLeft = std::clamp(windowLeft, 0, scene.width - kWindowColumns);
    const auto moved = static_cast<short>((windowTop - movedTop) * kWindowColumns + windowLeft - movedLeft);
    const __m512i picked = pickSamples<Rows>(scene.pixels + movedTop * scene.stride + movedLeft, scene.stride,
                                             _mm512_add_epi16(blockIndex(rowIndex, lanes, b), _mm512_set1_epi16(moved)));
    storeSamples(out, b * kBlockColumns, picked, keep);
}

}  // namespace

template <int Rows>
MORV_AVX512 void RotateWindows::sampleBlocks(const FourRows& rows, const Scene& scene, int from, int end,
                                             Sampler others, int top, int left) const {
    // Columns past the frame's last whole block, and scenes smaller than a window, go with the others.
    const int covered = std::min(end, static_cast<int>(blocks_.size()) * kBlockColumns);
    if (from >= covered || scene.height < Rows || scene.width < kWindowColumns) {
        others(rows.out, rows.origin, rows.offset, from, end);
        return;
    }
    // Each frame row's eight lanes start from where the row samples within the window.
    const auto rowLanes = [&](int k) {
        const auto lane = static_cast<uint64_t>((rows.rowY[k] - top) * kWindowColumns + rows.rowX[k] - left);
        return static_cast<long long>(lane * 0x0001000100010001u);
    };
    const __m512i rowIndex = _mm512_set_epi64(rowLanes(3), rowLanes(3), rowLanes(2), rowLanes(2), rowLanes(1),
                                              rowLanes(1), rowLanes(0), rowLanes(0));
    // Kept in locals: the stores may alias anything, which would reload them every block.
    const uint16_t* corner = scene.pixels + top * scene.stride + left;
    const ptrdiff_t stride = scene.stride;
    const Block* block = blocks_.data();
    const uint16_t* lanes = lanes_.data();
    uint16_t* const out[kRows] = {rows.out[0], rows.out[1], rows.out[2], rows.out[3]};
    const auto inside = [&](size_t b) {
        return top + block[b].down + Rows <= scene.height && left + block[b].across + kWindowColumns <= scene.width;
    };
    const auto edge = [&](size_t b, uint8_t keep) {
        sampleEdgeBlock<Rows>(scene, out, rowIndex, lanes, b, top + block[b].down, left + block[b].across, keep);
    };
    const auto lanesFrom = [](int column) { return static_cast<uint8_t>(0xFF << (column % kBlockColumns)); };
    const auto lanesBefore = [](int column) { return static_cast<uint8_t>((1 << (column % kBlockColumns)) - 1); };

    size_t first = static_cast<size_t>((from + kBlockColumns - 1) / kBlockColumns);
    size_t last = static_cast<size_t>(covered / kBlockColumns);
    if (first > last) {
        // Both ends inside one block.
        edge(last, lanesFrom(from) & lanesBefore(covered));
    } else {
        if (from % kBlockColumns != 0) edge(first - 1, lanesFrom(from));
        if (covered % kBlockColumns != 0) edge(last, lanesBefore(covered));
        // Both corners of the windows move monotonically along the row, so the
        // blocks whose windows lie inside the scene are one run of them.
        for (; first < last && !inside(first); ++first) edge(first, 0xFF);
        for (; last > first && !inside(last - 1); --last) edge(last - 1, 0xFF);
        for (size_t b = first; b < last; ++b) {
            const uint16_t* window = corner + block[b].down * stride + block[b].across;
            storeSamples(out, b * kBlockColumns, pickSamples<Rows>(window, stride, blockIndex(rowIndex, lanes, b)));
        }
    }
    if (covered < end) others(rows.out, rows.origin, rows.offset, covered, end);
}

void RotateWindows::sample(const FourRows& rows, const Scene& scene, int from, int end, Sampler others) const {
    const auto [leastY, mostY] = std::minmax_element(rows.rowY, rows.rowY + kRows);
    const auto [leastX, mostX] = std::minmax_element(rows.rowX, rows.rowX + kRows);
    const int windowRows = *mostY - *leastY + downSpread_ + 1;
    const int windowColumns = *mostX - *leastX + acrossSpread_ + 1;
    if (windowColumns > kWindowColumns || windowRows > kLargestPermutes * kRowsPerPermute) {
        others(rows.out, rows.origin, rows.offset, from, end);
        return;
    }
    // Only the window's own rows are read.
    using Blocks = void (RotateWindows::*)(const FourRows&, const Scene&, int, int, Sampler, int, int) const;
    static constexpr Blocks kByRows[] = {
        &RotateWindows::sampleBlocks<1>, &RotateWindows::sampleBlocks<2>,  &RotateWindows::sampleBlocks<3>,
        &RotateWindows::sampleBlocks<4>, &RotateWindows::sampleBlocks<5>,  &RotateWindows::sampleBlocks<6>,
        &RotateWindows::sampleBlocks<7>, &RotateWindows::sampleBlocks<8>,  &RotateWindows::sampleBlocks<9>,
        &RotateWindows::sampleBlocks<10>, &RotateWindows::sampleBlocks<11>, &RotateWindows::sampleBlocks<12>};
    (this->*kByRows[windowRows - 1])(rows, scene, from, end, others, *leastY, *leastX);
}

#else

// Other builds never choose the window path.
void RotateWindows::sample(const FourRows& rows, const Scene&, int from, int end, Sampler others) const {
    others(rows.out, rows.origin, rows.offset, from, end);
}

#endif

}  // namespace morv
