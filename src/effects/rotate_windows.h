// The rotation's sampling of four rows at once by AVX-512 permutes over small windows of the scene.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace morv {

// Samples four frame rows of 16-bit pixels at once, in blocks of eight columns.
// Frame pixel (x, row k) samples the scene at row rowY[k] + down[x] and column
// rowX[k] + across[x]. Along eight columns and four rows both move by at most
// ten, so a block's 32 samples lie in a window of at most 11 scene rows by 11
// columns. The window's rows are loaded whole, two to a vector, and one permute
// per four of them picks the samples: a third of the reads of one per pixel.
class RotateWindows {
public:
    // The scene's pixels, with `stride` pixels from one row to the next.
    struct Scene {
        const uint16_t* pixels;
        ptrdiff_t stride;
        int width;
        int height;
    };
    // Four frame rows: where they are written, where each samples from (the
    // scene pixel at rowY[k], rowX[k], as `origin[k]`), and the column offsets.
    struct FourRows {
        uint16_t* const* out;
        const uint16_t* const* origin;
        const int* rowY;
        const int* rowX;
        const int* offset;
    };
    // Samples the columns [from, end) of four rows; `others` gets what the
    // windows do not take: the columns outside whole blocks, and blocks whose
    // window would reach past the scene's edge.
    using Sampler = void (*)(uint16_t* const* out, const uint16_t* const* origin, const int* offset, int from, int end);

    // down[x] and across[x] for the frame's `width` columns.
    RotateWindows(const std::vector<int>& down, const std::vector<int>& across);

    // Needs every pixel of the columns [from, end) of the four rows to sample inside the scene.
    void sample(const FourRows& rows, const Scene& scene, int from, int end, Sampler others) const;

private:
    template <int Rows>
    void sampleBlocks(const FourRows& rows, const Scene& scene, int from, int end, Sampler others, int top,
                      int left) const;

    // The least down and across of a block's columns: its window's corner,
    // relative to the rows' least rowY and rowX.
    struct Block {
        int down;
        int across;
    };
    std::vector<Block> blocks_;
    // Eight per block: (down - least down) x 16 + across - least across.
    std::vector<uint16_t> lanes_;
    // The largest spread of down and of across within any block.
    int downSpread_ = 0;
    int acrossSpread_ = 0;
};

}  // namespace morv
