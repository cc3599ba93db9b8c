// The zoom's row stretch by AVX-512 permutes.
#include "effects/zoom_permute.h"

#include <algorithm>
#include <cstring>

#include "effects/avx512_lanes.h"

namespace morv {

namespace {

constexpr int kVectorBytes = 64;

}  // namespace

PermuteStretch::PermuteStretch(const std::vector<int>& columns, int sourceWidth, int pixelBytes, int sourceLead) {
    const int lanes = kVectorBytes / pixelBytes;
    const int width = static_cast<int>(columns.size());
    // A block picks from one vector of the row, or from two when the row
    // shrinks by more than 1.5: one load and one store per vector of source
    // near full size, two loads per store when many columns are skipped.
    // Masked loads and stores are slower than whole ones: blocks store whole
    // vectors, each overwriting what its predecessor stored past its own lanes,
    // and only the blocks at the row's end keep to their lanes.
    twoVectors_ = 2 * static_cast<int64_t>(sourceWidth) > 3 * static_cast<int64_t>(width);
    const int window = twoVectors_ ? 2 * lanes : lanes;
    // Room for the usual blocks: one per vector of columns, one more per vector of source skipped.
    const size_t blocks = static_cast<size_t>(width / lanes + sourceWidth / lanes + 2);
    blocks_.reserve(blocks);
    indices_.reserve(blocks * kVectorBytes);
    for (int x = 0; x < width;) {
        const int first = columns[static_cast<size_t>(x)];
        // Loads start on a vector boundary of the row where they can: loads
        // across two cache lines cost nearly twice.
        const int from = std::max(first - (sourceLead + first) % lanes, 0);
        int count = 0;
        while (count < lanes && x + count < width && columns[static_cast<size_t>(x + count)] - from < window) ++count;
        // Source lanes past the row's end are neither read nor needed.
        const int inside = std::clamp(sourceWidth - from, 0, 2 * lanes);
        blocks_.push_back({x, from, lowLanes(std::min(inside, lanes)), lowLanes(std::max(inside - lanes, 0)),
                           lowLanes(count), inside >= window, x + lanes <= width});
        // Lane i's index in the block's 64 bytes, as a 16- or 32-bit number.
        const size_t at = indices_.size();
        indices_.resize(at + kVectorBytes);
        uint8_t* index = indices_.data() + at;
        for (int i = 0; i < count; ++i) {
            const auto lane = static_cast<uint32_t>(columns[static_cast<size_t>(x + i)] - from);
            if (pixelBytes == 2) {
                const auto word = static_cast<uint16_t>(lane);
                std::memcpy(index + i * 2, &word, sizeof word);
            } else {
                std::memcpy(index + i * 4, &lane, sizeof lane);
            }
        }
        x += count;
    }
    while (wholeBlocks_ < blocks_.size() && blocks_[wholeBlocks_].wholeLoads && blocks_[wholeBlocks_].wholeStore) {
        ++wholeBlocks_;
    }
}

#ifdef MORV_AVX512_BUILT

namespace {

// The permutes for 16-bit pixels (words) and 32-bit pixels (double words).
struct Words : WordLanes {
    MORV_AVX512 static __m512i pick(__m512i index, __m512i low) { return _mm512_permutexvar_epi16(index, low); }
    MORV_AVX512 static __m512i pick(__m512i low, __m512i index, __m512i high) {
        return _mm512_permutex2var_epi16(low, index, high);
    }
};
struct DoubleWords : DoubleWordLanes {
    // The zero-masked form with every lane kept: GCC 12's plain form reads an
    // uninitialised operand and warns.
    MORV_AVX512 static __m512i pick(__m512i index, __m512i low) {
        return _mm512_maskz_permutexvar_epi32(0xFFFF, index, low);
    }
    MORV_AVX512 static __m512i pick(__m512i low, __m512i index, __m512i high) {
        return _mm512_permutex2var_epi32(low, index, high);
    }
};

// One block of one row whose loads and store lie inside the rows.
template <typename Lanes, bool kTwoVectors>
MORV_AVX512 inline void wholeBlock(const typename Lanes::Pixel* source, typename Lanes::Pixel* to, __m512i lanes) {
    const __m512i low = _mm512_loadu_si512(source);
    if constexpr (kTwoVectors) {
        _mm512_storeu_si512(to, Lanes::pick(low, lanes, _mm512_loadu_si512(source + Lanes::kLanes)));
    } else {
        _mm512_storeu_si512(to, Lanes::pick(lanes, low));
    }
}

}  // namespace

// kMostRows rows through the whole blocks: one index load serves them all, with
// no test per row.
template <typename Lanes, bool kTwoVectors>
MORV_AVX512 void PermuteStretch::stretchWhole(typename Lanes::Pixel* const* out,
                                              const typename Lanes::Pixel* const* in) const {
    // Local copies: the vector stores could alias anything read through a pointer.
    typename Lanes::Pixel* to[kMostRows];
    const typename Lanes::Pixel* from[kMostRows];
    std::copy(out, out + kMostRows, to);
    std::copy(in, in + kMostRows, from);
    const uint8_t* index = indices_.data();
    for (size_t k = 0; k < wholeBlocks_; ++k, index += kVectorBytes) {
        const __m512i lanes = _mm512_loadu_si512(index);
        const int blockFrom = blocks_[k].from, blockTo = blocks_[k].to;
        for (int i = 0; i < kMostRows; ++i) wholeBlock<Lanes, kTwoVectors>(from[i] + blockFrom, to[i] + blockTo, lanes);
    }
}

template <typename Lanes>
MORV_AVX512 void PermuteStretch::stretchBy(typename Lanes::Pixel* const* out, const typename Lanes::Pixel* const* in,
                                           int rows) const {
    size_t first = 0;
    if (rows == kMostRows) {
        if (twoVectors_) {
            stretchWhole<Lanes, true>(out, in);
        } else {
            stretchWhole<Lanes, false>(out, in);
        }
        first = wholeBlocks_;
    }
    const uint8_t* index = indices_.data() + first * kVectorBytes;
    for (size_t k = first; k < blocks_.size(); ++k, index += kVectorBytes) {
        const Block& b = blocks_[k];
        const __m512i lanes = _mm512_loadu_si512(index);
        for (int i = 0; i < rows; ++i) {
            const typename Lanes::Pixel* source = in[i] + b.from;
            const __m512i low = b.wholeLoads ? _mm512_loadu_si512(source) : Lanes::load(b.lowLoad, source);
            __m512i pixels;
            if (twoVectors_) {
                const __m512i high = b.wholeLoads ? _mm512_loadu_si512(source + Lanes::kLanes)
                                                  : Lanes::load(b.highLoad, source + Lanes::kLanes);
                pixels = Lanes::pick(low, lanes, high);
            } else {
                pixels = Lanes::pick(lanes, low);
            }
            if (b.wholeStore) {
                _mm512_storeu_si512(out[i] + b.to, pixels);
            } else {
                Lanes::store(out[i] + b.to, b.store, pixels);
            }
        }
    }
}

void PermuteStretch::stretch(uint16_t* const* out, const uint16_t* const* in, int rows) const {
    stretchBy<Words>(out, in, rows);
}

void PermuteStretch::stretch(uint32_t* const* out, const uint32_t* const* in, int rows) const {
    stretchBy<DoubleWords>(out, in, rows);
}

#else

// Other builds never choose the permute path.
void PermuteStretch::stretch(uint16_t* const*, const uint16_t* const*, int) const {}
void PermuteStretch::stretch(uint32_t* const*, const uint32_t* const*, int) const {}

#endif

}  // namespace morv
