// The zoom transitions: a picture stretched into a changing rectangle.
#include <algorithm>
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
    for (int y = 0; y < dh; ++y) {
        const Pixel* in = reinterpret_cast<const Pixel*>(picture.row(static_cast<int>(y * sh / dh)));
        Pixel* out = reinterpret_cast<Pixel*>(frame.row(r.top + y)) + r.left;
        if (longRuns) {
            for (const ColumnRun& run : runs) std::copy(in + run.from, in + run.from + run.length, out + run.to);
        } else {
            for (int x = 0; x < dw; ++x) out[x] = in[columns[static_cast<size_t>(x)]];
        }
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
