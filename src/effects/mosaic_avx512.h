// Mosaic blocks drawn with AVX-512.
#pragma once
#include <cstdint>
#include <vector>

#include "display/surface.h"

namespace morv {

// Paints a whole frame of blocks of 2^shift columns (from 2 up to the largest
// shift of each rule), a tile of one vector (or of one block when blocks are
// wider) of a band at a time, whose samples or sums stay in registers until the
// colors are stored to the band's first row, which is then copied to the others.
struct MosaicTiles {
    // Each block the average of its pixels on the screen over the full block
    // area, at both depths. Wider blocks summed down their tile of rows
    // measured slower than the row by row sums.
    static constexpr int largestAveragedShift(PixelFormat format) { return format == PixelFormat::Rgb565 ? 7 : 5; }
    static void paintAveraged(const PixelRows& out, const PixelRows& in, int shift);
    // Each block the average of four samples, 565 pixels only.
    static constexpr int kLargestSampledShift = 5;
    static void paintSampled(const PixelRows& out, const PixelRows& in, int shift);
};

// Sums the red, green and blue fields of each block of 2^shift columns (wider
// than the tiles take) over a band of rows. Each block keeps 32-bit lane sums in vectors
// across the rows and folds them once per band, where a row-by-row sum would
// fold its lanes once per row and block.
class Rgb565BlockLanes {
public:
    static constexpr int kLeastShift = MosaicTiles::largestAveragedShift(PixelFormat::Rgb565) + 1;
    Rgb565BlockLanes(int width, int shift);
    // Adds rows [top, bottom) of `in` (565 pixels, `width` wide) to the lanes.
    void addRows(const PixelRows& in, int top, int bottom);
    // The channel sums of every block since the last call; the lanes start again at zero.
    void takeSums(std::vector<uint32_t>& red, std::vector<uint32_t>& green, std::vector<uint32_t>& blue);

private:
    int width_;
    int shift_;
    // Per block: 16 lanes of red, of green (still shifted up by 5) and of blue.
    std::vector<uint32_t> lanes_;
};

}  // namespace morv
