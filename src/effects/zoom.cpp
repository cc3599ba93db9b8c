// The zoom transitions: a picture stretched into a changing rectangle.
#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

#include "display/copy_row.h"
#include "display/nearest_pixel.h"
#include "effects/effect_frames.h"
#include "effects/effect_run.h"
#include "effects/effect_paths.h"
#include "effects/zoom_permute.h"

namespace morv {

namespace {

constexpr int kZoomFrames = 64;
constexpr int kZoomIn = 1;
// Rows stretched together, so that one read of a column's source or of a block's
// permute index serves several rows.
constexpr int kRowGroup = PermuteStretch::kMostRows;

// A run of destination columns whose nearest source columns follow one another.
struct ColumnRun {
    int to;
    int from;
    int length;
};

// Whether the columns mostly come from neighbouring source columns: on average
// at least kLongRun destination columns to a run.
bool longRuns(const std::vector<int>& columns) {
    constexpr int64_t kLongRun = 16;
    int64_t runs = columns.empty() ? 0 : 1;
    for (size_t x = 1; x < columns.size(); ++x) runs += columns[x] != columns[x - 1] + 1;
    return runs * kLongRun <= static_cast<int64_t>(columns.size());
}

// The portable stretch. The zooms shrink the picture: when it is large,
// neighbouring columns mostly come from neighbouring source columns and are
// copied as whole runs; when it is small, column by column.
template <typename Pixel>
class ColumnStretch {
public:
    // byRuns: the columns have long runs (longRuns), worked out once by the caller.
    ColumnStretch(std::vector<int> columns, bool byRuns) : columns_(std::move(columns)), longRuns_(byRuns) {
        if (!longRuns_) return;
        const int width = static_cast<int>(columns_.size());
        for (int x = 0; x < width; ++x) {
            const int from = columns_[static_cast<size_t>(x)];
            if (!runs_.empty() && runs_.back().from + runs_.back().length == from) {
                ++runs_.back().length;
            } else {
                runs_.push_back({x, from, 1});
            }
        }
    }

    void stretch(Pixel* const* out, const Pixel* const* in, int rows) const {
        if (longRuns_) {
            for (int i = 0; i < rows; ++i)
                for (const ColumnRun& run : runs_) std::copy(in[i] + run.from, in[i] + run.from + run.length, out[i] + run.to);
            return;
        }
        if (rows < kRowGroup) {
            for (int i = 0; i < rows; ++i)
                for (size_t x = 0; x < columns_.size(); ++x) out[i][x] = in[i][columns_[x]];
            return;
        }
        const int* column = columns_.data();
        const int dw = static_cast<int>(columns_.size());
        const Pixel *in0 = in[0], *in1 = in[1], *in2 = in[2], *in3 = in[3];
        Pixel *out0 = out[0], *out1 = out[1], *out2 = out[2], *out3 = out[3];
        int x = 0;
        if constexpr (sizeof(Pixel) == 2) {
            // 16-bit pixels are written in pairs, one store for two.
            for (; x + 2 <= dw; x += 2) {
                const int c0 = column[x], c1 = column[x + 1];
                for (auto [from, to] : {std::pair{in0, out0}, {in1, out1}, {in2, out2}, {in3, out3}}) {
                    const Pixel pair[2] = {from[c0], from[c1]};
                    std::memcpy(to + x, pair, sizeof pair);
                }
            }
        }
        for (; x < dw; ++x) {
            const int c = column[x];
            out0[x] = in0[c];
            out1[x] = in1[c];
            out2[x] = in2[c];
            out3[x] = in3[c];
        }
    }

private:
    std::vector<int> columns_;
    bool longRuns_;
    std::vector<ColumnRun> runs_;
};

// The frame in one pass over its rows: rows outside the rectangle from the
// still picture, rows across it the still picture's sides around the moving
// picture's stretched row. A null still picture leaves the sides as they are.
template <typename Pixel, typename Stretch>
void drawRows(Surface& frame, const Surface* still, const Surface& moving, const Rect& r, const Stretch& stretch) {
    const int w = frame.width(), h = frame.height();
    const std::vector<int> sourceRows = nearestRows(0, moving.height(), r.height());
    const size_t rowBytes = static_cast<size_t>(w) * sizeof(Pixel);
    const size_t leftBytes = static_cast<size_t>(r.left) * sizeof(Pixel);
    const size_t rightBytes = static_cast<size_t>(w - r.right) * sizeof(Pixel);
    if (still) {
        copyRows(frame.row(0), still->row(0), static_cast<size_t>(frame.pitch()), rowBytes, r.top);
    }
    for (int y = r.top; y < r.bottom; y += kRowGroup) {
        const int rows = std::min(kRowGroup, r.bottom - y);
        Pixel* out[kRowGroup];
        const Pixel* in[kRowGroup];
        for (int i = 0; i < rows; ++i) {
            uint8_t* row = frame.row(y + i);
            if (still) {
                const uint8_t* keep = still->row(y + i);
                copyShort(row, keep, leftBytes);
                copyShort(row + rowBytes - rightBytes, keep + rowBytes - rightBytes, rightBytes);
            }
            out[i] = reinterpret_cast<Pixel*>(row) + r.left;
            in[i] = reinterpret_cast<const Pixel*>(moving.row(sourceRows[static_cast<size_t>(y + i - r.top)]));
        }
        stretch.stretch(out, in, rows);
    }
    if (still) {
        copyRows(frame.row(r.bottom), still->row(r.bottom), static_cast<size_t>(frame.pitch()), rowBytes, h - r.bottom);
    }
}

// Pixels from the last 64-byte boundary to the start of the surface's rows, when
// that is the same for every row.
template <typename Pixel>
int vectorLead(const Surface& surface) {
    constexpr int kVectorBytes = 64;
    if (surface.pitch() % kVectorBytes != 0) return 0;
    return static_cast<int>(reinterpret_cast<uintptr_t>(surface.row(0)) % kVectorBytes / sizeof(Pixel));
}

template <typename Pixel>
void drawBy(EffectPath path, Surface& frame, const Surface* still, const Surface& moving, const Rect& r) {
    std::vector<int> columns = nearestColumns(0, moving.width(), r.width());
    // Near full size, 32-bit pixels copy faster as runs than through permutes.
    const bool byRuns = (path == EffectPath::Portable || sizeof(Pixel) == 4) && longRuns(columns);
    if (path == EffectPath::Avx512 && !byRuns) {
        const PermuteStretch byPermutes(columns, moving.width(), sizeof(Pixel), vectorLead<Pixel>(moving));
        drawRows<Pixel>(frame, still, moving, r, byPermutes);
    } else {
        drawRows<Pixel>(frame, still, moving, r, ColumnStretch<Pixel>(std::move(columns), byRuns));
    }
}

}  // namespace

Rect zoomRect(int dir, int n, int width, int height) {
    const int w2 = width / 2, h2 = height / 2;
    // Frames 0 and 1 share the start rectangle.
    const int m = n > 0 ? n - 1 : 0;
    if (dir == kZoomIn) {
        return {(64 - m) * w2 / 64 - 1, (64 - m) * h2 / 64 - 1, w2 + m * w2 / 64, h2 + m * h2 / 64};
    }
    if (n == 0) return {0, 0, width, height};
    return {m * w2 / 64 - 1, m * h2 / 64 - 1, width - m * w2 / 64, height - m * h2 / 64};
}

void zoomFrameBy(EffectPath path, Surface& frame, const Surface& scene, const Surface& stage, int dir, int n) {
    const Surface& still = dir == kZoomIn ? scene : stage;
    const Surface& moving = dir == kZoomIn ? stage : scene;
    const int w = frame.width(), h = frame.height();
    const Rect r = zoomRect(dir, n, w, h);
    if (!r.insideOf(w, h) || !moving.valid() || moving.format() != frame.format()) {
        frame.copy(still, false);
        return;
    }
    // The still picture around the rectangle, the moving one stretched into it. A
    // still picture of another size or format gives what of it fits, as copies do.
    const bool stillFits = &still != &frame && still.valid() && still.format() == frame.format() &&
                           still.width() == w && still.height() == h;
    if (stillFits) {
        frame.markAllChanged();
    } else {
        for (const Rect& around : {Rect{0, 0, w, r.top}, Rect{0, r.bottom, w, h}, Rect{0, r.top, r.left, r.bottom},
                                   Rect{r.right, r.top, w, r.bottom}}) {
            if (!around.empty()) frame.copyRect(still, around, around, false);
        }
        frame.markChanged(r);
    }
    if (frame.format() == PixelFormat::Rgb565) {
        drawBy<uint16_t>(path, frame, stillFits ? &still : nullptr, moving, r);
    } else {
        drawBy<uint32_t>(path, frame, stillFits ? &still : nullptr, moving, r);
    }
}

void zoomFrame(Surface& frame, const Surface& scene, const Surface& stage, int dir, int n) {
    zoomFrameBy(effectPathsHere().front(), frame, scene, stage, dir, n);
}

void runZoom(const EffectRun& run) {
    FrameClock clock = run.startClock();
    const uint64_t duration = run.values.durationMs;
    for (int n = 0; n < kZoomFrames; ++n) {
        if (!clock.waitPast(n * duration / kZoomFrames)) break;
        zoomFrame(run.frame(), run.scene(), run.stage(), run.values.direction, n);
        run.present();
    }
    run.copyWhole(run.scene(), run.stage());
    run.copyWhole(run.frame(), run.stage());
}

}  // namespace morv
