// The rotation's sampling of several rows at once by AVX-512 permutes over small windows of the scene.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace morv {

// Samples four or eight frame rows of 16-bit pixels at once, in blocks of eight
// columns. Frame pixel (x, row k) samples the scene at row rowY[k] + down[x] and
// column rowX[k] + across[x]. Over the block's columns and rows both move by at
// most a dozen, so the block's samples lie in a window of at most 12 scene rows
// by 16 columns. The window's rows are loaded whole, two to a vector, and one
// permute per four of them picks four rows' samples: with eight rows, a window
// row is read once for 64 samples.
class RotateWindows {
public:
    static constexpr int kMostRows = 8;
    // The scene's pixels, with `stride` pixels from one row to the next.
    struct Scene {
        const uint16_t* pixels;
        ptrdiff_t stride;
        int width;
        int height;
    };
    // Frame rows sampled together: where each is written (row k at out + k x
    // outStride), where it samples from (the scene pixel at rowY[k], rowX[k], as
    // `origin[k]`), and the columns [first[k], last[k]) that sample inside the scene.
    struct Rows {
        uint16_t* out;
        ptrdiff_t outStride;
        const uint16_t* const* origin;
        const int* rowY;
        const int* rowX;
        const int* first;
        const int* last;
    };

    // down[x], across[x] and the scene offset down[x] x scene.stride + across[x],
    // for the frame's columns.
    RotateWindows(const std::vector<int>& down, const std::vector<int>& across, const int* offset, const Scene& scene);

    // Samples the columns [first[k], last[k]) of `count` rows (4 or kMostRows). Returns
    // false, drawing nothing, when their windows would be larger than 12 by 16.
    bool sample(const Rows& rows, int count) const;

private:
    template <int Count, int WindowRows>
    void sampleBlocks(const Rows& rows, int top, int left) const;
    // Columns without a whole block of eight, one pixel at a time.
    void sampleColumns(const Rows& rows, int count, int from) const;

    // The least down and across of a block's columns: its window's corner,
    // relative to the rows' least rowY and rowX.
    struct Block {
        int down;
        int across;
    };
    std::vector<Block> blocks_;
    // Each block's window corner as a scene offset: down x scene.stride + across.
    std::vector<ptrdiff_t> corners_;
    // Eight per block: (down - least down) x 16 + across - least across.
    std::vector<uint16_t> lanes_;
    const int* offset_;
    Scene scene_;
    // The largest spread of down and of across within any block.
    int downSpread_ = 0;
    int acrossSpread_ = 0;
};

}  // namespace morv
