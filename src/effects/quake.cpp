// The quake effects: the picture on view shaken.
#include <algorithm>

#include "effects/effect_frames.h"
#include "effects/effect_run.h"

namespace morv {

namespace {

constexpr int kQuakeFrames = 32;
constexpr int kHorizontal = 1, kVertical = 2, kCircling = 3;

// The sense of the shift along each axis: -1 left or up, +1 right or down.
struct Shift {
    int x;
    int y;
};

Shift quakeShift(int dir, int i) {
    constexpr Shift kCircle[4] = {{1, 1}, {-1, 1}, {-1, -1}, {1, -1}};
    constexpr Shift kReverse[4] = {{-1, 1}, {1, 1}, {1, -1}, {-1, -1}};
    const int side = i % 2 == 0 ? -1 : 1;
    switch (dir) {
        case kHorizontal: return {side, 0};
        case kVertical: return {0, side};
        case kCircling: return kCircle[i % 4];
        default: return kReverse[i % 4];
    }
}

// Destination and source spans of one axis for a shift of d in sense `sense`.
struct Spans {
    int64_t to0, to1, from0, from1;
};

Spans spans(int sense, int64_t d, int64_t size) {
    if (sense < 0) return {0, size - d, d, size};
    if (sense > 0) return {d, size, 0, size - d};
    return {0, size, 0, size};
}

}  // namespace

int quakeOffset(int amplitude, int i) {
    if (i < 2) return amplitude;
    return static_cast<int>((33 - int64_t{i}) * amplitude / 32);
}

void quakeFrame(Surface& frame, const Surface& scene, int dir, int amplitude, int i) {
    const Shift shift = quakeShift(dir, i);
    const int64_t d = quakeOffset(amplitude, i);
    const int w = frame.width(), h = frame.height();
    const Spans x = spans(shift.x, d, w);
    const Spans y = spans(shift.y, d, h);
    const Rect to = rectOf(x.to0, y.to0, x.to1, y.to1);
    if (frame.copyRect(scene, rectOf(x.from0, y.from0, x.from1, y.from1), to, false) != Surface::kOk) {
        frame.fill(0);
        return;
    }
    // Only what the shifted scene leaves uncovered is painted black.
    for (const Rect& around : {Rect{0, 0, w, to.top}, Rect{0, to.bottom, w, h}, Rect{0, to.top, to.left, to.bottom},
                               Rect{to.right, to.top, w, to.bottom}}) {
        if (!around.empty()) frame.fillRect(around, 0);
    }
    // The frame is drawn whole.
    frame.markAllChanged();
}

void runQuake(const EffectRun& run) {
    FrameClock clock = run.startClock();
    const uint64_t duration = run.values.durationMs;
    for (int i = 0; i < kQuakeFrames; ++i) {
        if (!clock.waitPast((i * duration) >> 5)) break;
        quakeFrame(run.frame(), run.scene(), run.values.direction, run.values.parameter, i);
        run.present();
    }
    run.copyWhole(run.frame(), run.scene());
}

}  // namespace morv
