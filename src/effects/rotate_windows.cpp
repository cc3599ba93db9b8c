// The rotation's sampling of several rows at once by AVX-512 permutes over small windows of the scene.
#include "effects/rotate_windows.h"

#include <algorithm>

#include "effects/avx512.h"
#ifdef MORV_AVX512_BUILT
#include <immintrin.h>
#endif

namespace morv {

namespace {

constexpr int kBlockColumns = 8;
constexpr int kMostRows = RotateWindows::kMostRows;
// A window row is loaded as 16 pixels; a lane's index is its window row x 16
// plus its window column, and one permute reads four window rows (64 lanes).
constexpr int kWindowColumns = 16;
constexpr int kRowsPerPermute = 4;
constexpr int kMostWindowRows = 3 * kRowsPerPermute;

}  // namespace

RotateWindows::RotateWindows(const std::vector<int>& down, const std::vector<int>& across, const int* offset,
                             const Scene& scene)
    : offset_(offset), scene_(scene) {
    const size_t blocks = std::min(down.size(), across.size()) / kBlockColumns;
    blocks_.reserve(blocks);
    corners_.reserve(blocks);
    lanes_.reserve(blocks * kBlockColumns);
    for (size_t b = 0; b < blocks; ++b) {
        const auto firstDown = down.begin() + static_cast<ptrdiff_t>(b * kBlockColumns);
        const auto firstAcross = across.begin() + static_cast<ptrdiff_t>(b * kBlockColumns);
        const auto [leastDown, mostDown] = std::minmax_element(firstDown, firstDown + kBlockColumns);
        const auto [leastAcross, mostAcross] = std::minmax_element(firstAcross, firstAcross + kBlockColumns);
        blocks_.push_back({*leastDown, *leastAcross});
        corners_.push_back(*leastDown * scene.stride + *leastAcross);
        downSpread_ = std::max(downSpread_, *mostDown - *leastDown);
        acrossSpread_ = std::max(acrossSpread_, *mostAcross - *leastAcross);
        for (int i = 0; i < kBlockColumns; ++i) {
            const int lane = (firstDown[i] - *leastDown) * kWindowColumns + firstAcross[i] - *leastAcross;
            lanes_.push_back(static_cast<uint16_t>(lane));
        }
    }
}

void RotateWindows::sampleColumns(const Rows& rows, int count, int from) const {
    for (int k = 0; k < count; ++k) {
        uint16_t* out = rows.out + k * rows.outStride;
        for (int x = std::max(from, rows.first[k]); x < rows.last[k]; ++x) out[x] = rows.origin[k][offset_[x]];
    }
}

#ifdef MORV_AVX512_BUILT

namespace {

// The rows of one window, two to a vector: pair p holds rows 4p and 4p + 1 in
// `upper`, 4p + 2 and 4p + 3 in `lower`. Rows past WindowRows are not read.
template <int WindowRows>
struct Window {
    static constexpr int kPairs = WindowRows / kRowsPerPermute;
    __m512i upper[kPairs];
    __m512i lower[kPairs];
};

// Window rows r and r + 1, 16 pixels each, in one vector. The masked forms:
// GCC 12's plain ones read an uninitialised operand and warn.
MORV_AVX512 inline __m512i twoRows(const uint16_t* window, ptrdiff_t stride, int r) {
    const __m256i first = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(window + r * stride));
    const __m256i second = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(window + (r + 1) * stride));
    return _mm512_maskz_inserti64x4(0xFF, _mm512_maskz_inserti64x4(0xFF, _mm512_setzero_si512(), first, 0), second,
                                    1);
}

template <int WindowRows>
MORV_AVX512 inline Window<WindowRows> loadWindow(const uint16_t* corner, ptrdiff_t stride) {
    Window<WindowRows> w;
    for (int p = 0; p < Window<WindowRows>::kPairs; ++p) {
        w.upper[p] = twoRows(corner, stride, p * kRowsPerPermute);
        w.lower[p] = twoRows(corner, stride, p * kRowsPerPermute + 2);
    }
    return w;
}

// Four frame rows' eight samples each, picked by their lane indices.
template <int WindowRows>
MORV_AVX512 inline __m512i pick(const Window<WindowRows>& w, __m512i index) {
    __m512i picked = _mm512_permutex2var_epi16(w.upper[0], index, w.lower[0]);
    for (int p = 1; p < Window<WindowRows>::kPairs; ++p) {
        const __m512i more = _mm512_permutex2var_epi16(w.upper[p], index, w.lower[p]);
        const __mmask32 inPair = _mm512_cmpge_epu16_mask(index, _mm512_set1_epi16(static_cast<short>(64 * p)));
        picked = _mm512_mask_mov_epi16(picked, inPair, more);
    }
    return picked;
}

// Four rows' lane indices for block b: the rows' own places in the window plus the block's columns'.
MORV_AVX512 inline __m512i blockIndex(__m512i rowIndex, const uint16_t* lanes, size_t b) {
    const __m128i columns = _mm_loadu_si128(reinterpret_cast<const __m128i*>(lanes + b * kBlockColumns));
    return _mm512_add_epi16(rowIndex, _mm512_maskz_broadcast_i32x4(0xFFFF, columns));
}

// Four rows' eight samples to the eight pixels at `out` and in the three rows
// below it, all or those of keep[k].
MORV_AVX512 inline void store(uint16_t* out, ptrdiff_t stride, __m512i picked) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm512_maskz_extracti32x4_epi32(0xF, picked, 0));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + stride), _mm512_maskz_extracti32x4_epi32(0xF, picked, 1));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 2 * stride), _mm512_maskz_extracti32x4_epi32(0xF, picked, 2));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 3 * stride), _mm512_maskz_extracti32x4_epi32(0xF, picked, 3));
}
MORV_AVX512 inline void store(uint16_t* out, ptrdiff_t stride, __m512i picked, const uint8_t* keep) {
    _mm_mask_storeu_epi16(out, keep[0], _mm512_maskz_extracti32x4_epi32(0xF, picked, 0));
    _mm_mask_storeu_epi16(out + stride, keep[1], _mm512_maskz_extracti32x4_epi32(0xF, picked, 1));
    _mm_mask_storeu_epi16(out + 2 * stride, keep[2], _mm512_maskz_extracti32x4_epi32(0xF, picked, 2));
    _mm_mask_storeu_epi16(out + 3 * stride, keep[3], _mm512_maskz_extracti32x4_epi32(0xF, picked, 3));
}

// The lane indices of four rows' places in the window: row k's eight lanes hold
// (rowY[k] - top) x 16 + rowX[k] - left.
MORV_AVX512 inline __m512i rowPlaces(const int* rowY, const int* rowX, int top, int left) {
    long long quad[4];
    for (int k = 0; k < 4; ++k) {
        const auto lane = static_cast<uint64_t>((rowY[k] - top) * kWindowColumns + rowX[k] - left);
        quad[k] = static_cast<long long>(lane * 0x0001000100010001u);
    }
    return _mm512_set_epi64(quad[3], quad[3], quad[2], quad[2], quad[1], quad[1], quad[0], quad[0]);
}

// A block whose window is moved inside the scene by `moved` lanes, each row
// keeping to the lanes of keep[k].
template <int Count, int WindowRows>
MORV_AVX512 void sampleEdgeBlock(const uint16_t* corner, ptrdiff_t stride, int moved, const __m512i* rowIndex,
                                 const uint16_t* lanes, size_t b, uint16_t* out, ptrdiff_t outStride,
                                 const uint8_t* keep) {
    const Window<WindowRows> window = loadWindow<WindowRows>(corner, stride);
    const __m512i shift = _mm512_set1_epi16(static_cast<short>(moved));
    for (int q = 0; q < Count / 4; ++q) {
        const __m512i index = _mm512_add_epi16(blockIndex(rowIndex[q], lanes, b), shift);
        store(out + 4 * q * outStride, outStride, pick(window, index), keep + 4 * q);
    }
}

}  // namespace

template <int Count, int WindowRows>
MORV_AVX512 void RotateWindows::sampleBlocks(const Rows& rows, int top, int left) const {
    const Scene& scene = scene_;
    constexpr int kQuads = Count / 4;
    const auto [minFirst, maxFirst] = std::minmax_element(rows.first, rows.first + Count);
    const auto [minLast, maxLast] = std::minmax_element(rows.last, rows.last + Count);
    // Columns past the frame's last whole block, and all of a scene smaller than
    // a window, go one pixel at a time.
    const int covered = scene.height < WindowRows || scene.width < kWindowColumns
                            ? 0
                            : std::min(*maxLast, static_cast<int>(blocks_.size()) * kBlockColumns);
    sampleColumns(rows, Count, covered);
    if (*minFirst >= covered) return;

    __m512i rowIndex[kQuads];
    for (int q = 0; q < kQuads; ++q) rowIndex[q] = rowPlaces(rows.rowY + 4 * q, rows.rowX + 4 * q, top, left);
    // Kept in locals: the stores may alias anything, which would reload them every block.
    const uint16_t* corner = scene.pixels + top * scene.stride + left;
    const ptrdiff_t stride = scene.stride;
    const Block* block = blocks_.data();
    const uint16_t* lanes = lanes_.data();
    uint16_t* const out = rows.out;
    const ptrdiff_t outStride = rows.outStride;

    // A block that every row samples inside, whose window lies inside the scene.
    const int wholeFrom = *maxFirst, wholeEnd = std::min(*minLast, covered);
    const auto whole = [&](size_t b) {
        const int x = static_cast<int>(b) * kBlockColumns;
        return x >= wholeFrom && x + kBlockColumns <= wholeEnd && top + block[b].down + WindowRows <= scene.height &&
               left + block[b].across + kWindowColumns <= scene.width;
    };
    // Any other block reads its window moved inside the scene, which still holds
    // every sample of the block that lies inside, and each row keeps to the
    // lanes of its own columns.
    const auto edge = [&](size_t b) {
        const int x = static_cast<int>(b) * kBlockColumns;
        uint8_t keep[kMostRows];
        for (int k = 0; k < Count; ++k) {
            const int from = std::clamp(rows.first[k] - x, 0, kBlockColumns);
            const int to = std::clamp(std::min(rows.last[k], covered) - x, 0, kBlockColumns);
            keep[k] = static_cast<uint8_t>(((1u << to) - 1) & ~((1u << from) - 1));
        }
        const int windowTop = top + block[b].down, windowLeft = left + block[b].across;
        const int movedTop = std::clamp(windowTop, 0, scene.height - WindowRows);
        const int movedLeft = std::clamp(windowLeft, 0, scene.width - kWindowColumns);
        sampleEdgeBlock<Count, WindowRows>(scene.pixels + movedTop * stride + movedLeft, stride,
                                           (windowTop - movedTop) * kWindowColumns + windowLeft - movedLeft,
                                           rowIndex, lanes, b, out + x, outStride, keep);
    };
    size_t first = static_cast<size_t>(*minFirst / kBlockColumns);
    size_t last = static_cast<size_t>((covered + kBlockColumns - 1) / kBlockColumns);
    // Both corners of the windows and the rows' runs move monotonically along
    // the row, so the whole blocks are one run of them.
    for (; first < last && !whole(first); ++first) edge(first);
    for (; last > first && !whole(last - 1); --last) edge(last - 1);
    const ptrdiff_t* corners = corners_.data();
    for (size_t b = first; b < last; ++b) {
        const Window<WindowRows> window = loadWindow<WindowRows>(corner + corners[b], stride);
        for (int q = 0; q < kQuads; ++q) {
            store(out + 4 * q * outStride + b * kBlockColumns, outStride,
                  pick(window, blockIndex(rowIndex[q], lanes, b)));
        }
    }
}

bool RotateWindows::sample(const Rows& rows, int count) const {
    const auto [leastY, mostY] = std::minmax_element(rows.rowY, rows.rowY + count);
    const auto [leastX, mostX] = std::minmax_element(rows.rowX, rows.rowX + count);
    const int windowRows = *mostY - *leastY + downSpread_ + 1;
    const int windowColumns = *mostX - *leastX + acrossSpread_ + 1;
    if (windowColumns > kWindowColumns || windowRows > kMostWindowRows) return false;
    // Windows of 4, 8 or 12 rows.
    const int pairs = (windowRows + kRowsPerPermute - 1) / kRowsPerPermute;
    if (count == kMostRows) {
        if (pairs <= 2) {
            sampleBlocks<8, 8>(rows, *leastY, *leastX);
        } else {
            sampleBlocks<8, 12>(rows, *leastY, *leastX);
        }
    } else if (pairs == 1) {
        sampleBlocks<4, 4>(rows, *leastY, *leastX);
    } else if (pairs == 2) {
        sampleBlocks<4, 8>(rows, *leastY, *leastX);
    } else {
        sampleBlocks<4, 12>(rows, *leastY, *leastX);
    }
    return true;
}

#else

// Other builds never choose the window path.
bool RotateWindows::sample(const Rows&, int) const { return false; }

#endif

}  // namespace morv
