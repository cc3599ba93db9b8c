// A nearest-pixel row stretch by vector permutes, for processors with AVX-512.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace morv {

// Shrinks rows of sourceWidth pixels to columns.size() pixels, reading
// destination column x from source column columns[x] (a rising sequence). The
// destination columns go in blocks of at most one vector; each block's source
// columns lie within one or two vectors of the row, which one permute picks
// from. The blocks and their permute indices are the same for every row.
// sourceLead is the pixels from the last 64-byte boundary before every source
// row to its start (any value gives the same pixels; the right one is fastest).
class PermuteStretch {
public:
    PermuteStretch(const std::vector<int>& columns, int sourceWidth, int pixelBytes, int sourceLead);
    // `rows` rows (1 to kMostRows) at a time, so that each block's index serves them all.
    static constexpr int kMostRows = 4;
    void stretch(uint16_t* const* out, const uint16_t* const* in, int rows) const;
    void stretch(uint32_t* const* out, const uint32_t* const* in, int rows) const;

private:
    template <typename Lanes>
    void stretchBy(typename Lanes::Pixel* const* out, const typename Lanes::Pixel* const* in, int rows) const;
    template <typename Lanes, bool kTwoVectors>
    void stretchWhole(typename Lanes::Pixel* const* out, const typename Lanes::Pixel* const* in) const;

    struct Block {
        int to;
        int from;
        // Lanes of the two loads that lie inside the source row, and lanes stored.
        uint64_t lowLoad;
        uint64_t highLoad;
        uint64_t store;
        // Whether the loads lie wholly inside the row, and whether the block may
        // store a whole vector: the lanes past its own are the next blocks'.
        bool wholeLoads;
        bool wholeStore;
    };
    bool twoVectors_ = false;
    std::vector<Block> blocks_;
    // The leading blocks that both load and store whole vectors: all but the
    // last one or two of a row, since `from` and `to` only grow.
    size_t wholeBlocks_ = 0;
    // One vector of lane indices (64 bytes) per block.
    std::vector<uint8_t> indices_;
};

}  // namespace morv
