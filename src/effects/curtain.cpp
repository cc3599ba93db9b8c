// The curtain transitions: bands of the stage drawn over the frame.
#include "effects/effect_frames.h"
#include "effects/effect_run.h"

namespace morv {

void curtainBand(Surface& frame, const Surface& stage, int dir, int band, int s) {
    const int64_t w = frame.width(), h = frame.height();
    const int64_t at = int64_t{s} * band;
    Rect r;
    switch (dir) {
        case direction::kLeft: r = rectOf(at, 0, at + band, h); break;
        case direction::kRight: r = rectOf(w - band - at, 0, w - at, h); break;
        case direction::kUp: r = rectOf(0, at, w, at + band); break;
        default: r = rectOf(0, h - band - at, w, h - at); break;
    }
    frame.copyRect(stage, r, r, false);
}

void runCurtain(const EffectRun& run) {
    run.copyWhole(run.frame(), run.scene());
    const int band = run.values.parameter;
    const int dir = run.values.direction;
    const int64_t length = isHorizontal(dir) ? run.frame().width() : run.frame().height();
    // A band of no width would never reach the far edge: it draws no band.
    if (length >= 1 && band >= 1) {
        FrameClock clock = run.startClock();
        const uint64_t duration = run.values.durationMs;
        for (int s = 0; int64_t{s} * band < length; ++s) {
            const uint64_t reached = static_cast<uint64_t>(s) * static_cast<uint64_t>(band);
            if (!clock.waitPast(reached * duration / static_cast<uint64_t>(length))) break;
            curtainBand(run.frame(), run.stage(), dir, band, s);
            run.present();
        }
    }
    run.copyWhole(run.frame(), run.stage());
    run.copyWhole(run.scene(), run.stage());
}

}  // namespace morv
