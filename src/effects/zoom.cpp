// The zoom transitions: a picture stretched into a changing rectangle.
#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

#include "effects/effect_frames.h"
#include "effects/effect_run.h"

namespace morv {

namespace {

constexpr int kZoomFrames = 64;
constexpr int kZoomIn = 1;

// A run of destination columns whose nearest source columns follow one another.
struct ColumnRun {
    int to;
    int from;
    int length;
};

// The picture stretched by the nearest pixel into the rectangle, which lies
// inside the frame. The zooms shrink the picture: when it is large, neighbouring
// columns mostly come from neighbouring source columns and are copied as whole
// runs; when it is small, column by column.
template <typename Pixel>
void stretchRows(Surface& frame, const Surface& picture, const Rect& r) {
    const int64_t sw = picture.width(), sh = picture.height(), dw = r.width(), dh = r.height();
    std::vector<int> columns(static_cast<size_t>(dw));
    std::vector<ColumnRun> runs;
    for (int x = 0; x < dw; ++x) {
        const int from = static_cast<int>(x * sw / dw);
        columns[static_cast<size_t>(x)] = from;
        if (!runs.empty() && runs.back().from + runs.back().length == from) {
            ++runs.back().length;
        } else {
            runs.push_back({x, from, 1});
        }
    }
    constexpr int kLongRun = 16;
    const bool longRuns = static_cast<int64_t>(runs.size()) * kLongRun <= dw;
    frame.markChanged(r);
    const auto sourceRow = [&](int64_t y) {
        return reinterpret_cast<const Pixel*>(picture.row(static_cast<int>(y * sh / dh)));
    };
    const auto frameRow = [&](int64_t y) { return reinterpret_cast<Pixel*>(frame.row(r.top + static_cast<int>(y))) + r.left; };
    if (longRuns) {
        for (int y = 0; y < dh; ++y) {
            const Pixel* in = sourceRow(y);
            Pixel* out = frameRow(y);
            for (const ColumnRun& run : runs) std::copy(in + run.from, in + run.from + run.length, out + run.to);
        }
        return;
    }
    // Column by column, four rows at a time, so that one read of a column's
    // source serves four pixels.
    const int* column = columns.data();
    int y = 0;
    for (; y + 4 <= dh; y += 4) {
        const Pixel *in0 = sourceRow(y), *in1 = sourceRow(y + 1), *in2 = sourceRow(y + 2), *in3 = sourceRow(y + 3);
        Pixel *out0 = frameRow(y), *out1 = frameRow(y + 1), *out2 = frameRow(y + 2), *out3 = frameRow(y + 3);
        int x = 0;
        if constexpr (sizeof(Pixel) == 2) {
            // 16-bit pixels are written in pairs, one store for two.
            for (; x + 2 <= dw; x += 2) {
                const int c0 = column[x], c1 = column[x + 1];
                for (auto [in, out] : {std::pair{in0, out0}, {in1, out1}, {in2, out2}, {in3, out3}}) {
                    const Pixel pair[2] = {in[c0], in[c1]};
                    std::memcpy(out + x, pair, sizeof pair);
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
    for (; y < dh; ++y) {
        const Pixel* in = sourceRow(y);
        Pixel* out = frameRow(y);
        for (int x = 0; x < dw; ++x) out[x] = in[column[x]];
    }
}

void stretchInto(Surface& frame, const Surface& picture, const Rect& r) {
    if (frame.format() == PixelFormat::Rgb565) {
        stretchRows<uint16_t>(frame, picture, r);
    } else {
        stretchRows<uint32_t>(frame, picture, r);
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

void zoomFrame(Surface& frame, const Surface& scene, const Surface& stage, int dir, int n) {
    const Surface& still = dir == kZoomIn ? scene : stage;
    const Surface& moving = dir == kZoomIn ? stage : scene;
    const int w = frame.width(), h = frame.height();
    const Rect r = zoomRect(dir, n, w, h);
    if (!r.insideOf(w, h) || !moving.valid() || moving.format() != frame.format()) {
        frame.copy(still, false);
        return;
    }
    // The still picture around the rectangle, the moving one stretched into it.
    for (const Rect& around : {Rect{0, 0, w, r.top}, Rect{0, r.bottom, w, h}, Rect{0, r.top, r.left, r.bottom},
                               Rect{r.right, r.top, w, r.bottom}}) {
        if (!around.empty()) frame.copyRect(still, around, around, false);
    }
    stretchInto(frame, moving, r);
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
