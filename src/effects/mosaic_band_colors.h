// The block colors of one band of a mosaic frame, and their painting.
#pragma once
#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

#include "display/surface.h"

namespace morv {

// The colors of one band's blocks of 2^shift columns, and their painting: the
// band's first row is painted, the others copied from it, or, for wide blocks,
// filled as well. Narrow blocks' colors are doubled `shift` times, each pass a
// plain vector loop, where a fill per block would be a few pixels per call.
template <typename Pixel>
class BandColors {
public:
    // Blocks up to 2^this pixels wide are painted by doubling their colors.
    static constexpr int kLargestDoubledShift = 3;

    BandColors(int width, int shift)
        : width_(width), shift_(shift), blocks_(static_cast<size_t>((width + (1 << shift) - 1) >> shift)),
          colors_(doubled() ? blocks_ << shift : blocks_), spare_(doubled() ? colors_.size() : 0) {}
    size_t blocks() const { return blocks_; }
    // Whether the colors are doubled into whole rows, and then may be given as a
    // color per column, each block's first column giving the block's color.
    bool doubled() const { return shift_ <= kLargestDoubledShift; }
    Pixel& operator[](size_t block) { return colors_[block]; }
    // Room for a color per column (doubled colors only), which keepBlockFirsts()
    // turns into the block colors, keeping every other color `shift` times.
    Pixel* columnColors() { return shift_ % 2 ? spare_.data() : colors_.data(); }
    void keepBlockFirsts() {
        Pixel* from = columnColors();
        Pixel* to = shift_ % 2 ? colors_.data() : spare_.data();
        for (size_t n = colors_.size() / 2; n >= blocks_; n /= 2, std::swap(from, to)) {
            for (size_t i = 0; i < n; ++i) to[i] = from[2 * i];
        }
    }

    void paint(const PixelRows& out, int top, int bottom) {
        if (fillsEveryRow()) {
            for (int y = top; y < bottom; ++y) fillRow(out.rowAs<Pixel>(y));
            return;
        }
        Pixel* first = out.rowAs<Pixel>(top);
        if (doubled()) {
            Pixel* from = colors_.data();
            Pixel* to = spare_.data();
            for (size_t n = blocks_; n < colors_.size(); n *= 2, std::swap(from, to)) {
                for (size_t i = 0; i < n; ++i) {
                    to[2 * i] = from[i];
                    to[2 * i + 1] = from[i];
                }
            }
            std::copy(from, from + width_, first);
        } else {
            fillRow(first);
        }
        for (int y = top + 1; y < bottom; ++y) std::copy(first, first + width_, out.rowAs<Pixel>(y));
    }

private:
    // Blocks of at least four cache lines (never doubled ones) are filled row by
    // row, with stores only, where copying the first row would read it again
    // (blocks of 128 and 256 pixels measured about a fifth faster); narrower ones
    // are copied, since a fill per block and row costs more than the copy.
    bool fillsEveryRow() const { return (sizeof(Pixel) << shift_) >= 256; }
    void fillRow(Pixel* row) const {
        for (size_t block = 0; block < blocks_; ++block) {
            const int left = static_cast<int>(block) << shift_;
            std::fill(row + left, row + std::min(left + (1 << shift_), width_), colors_[block]);
        }
    }

    int width_;
    int shift_;
    size_t blocks_;
    // The block colors first; when doubled, room for a color per column in both.
    std::vector<Pixel> colors_;
    std::vector<Pixel> spare_;
};

}  // namespace morv
