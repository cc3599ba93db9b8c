#include "effects/effect_frames.h"
#include "effects/effect_run.h"

namespace morv {

namespace {
constexpr int kZoomFrames = 64;
constexpr int kZoomIn = 1;
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
    if (!r.insideOf(w, h) || !moving.valid()) {
        frame.copy(still, false);
        return;
    }
    // The still picture around the rectangle, the moving one stretched into it.
    for (const Rect& around : {Rect{0, 0, w, r.top}, Rect{0, r.bottom, w, h}, Rect{0, r.top, r.left, r.bottom},
                               Rect{r.right, r.top, w, r.bottom}}) {
        if (!around.empty()) frame.copyRect(still, around, around, false);
    }
    frame.copyRect(moving, moving.bounds(), r, false);
}

void runZoom(const EffectRun& run) {
    FrameClock clock = run.startClock();
    const uint64_t duration = run.values.durationMs;
    for (int n = 0; n < kZoomFrames; ++n) {
        if (!clock.waitPast(n * duration / kZoomFrames)) break;
        zoomFrame(run.frame(), run.scene(), run.stage(), run.values.direction, n);
        run.present();
    }
    run.copyWhole(SurfaceRole::SceneSurface, SurfaceRole::StageSurface);
    run.copyWhole(SurfaceRole::FrameSurface, SurfaceRole::StageSurface);
}

}  // namespace morv
