// The move transitions: pictures sliding across the frame.
#include "effects/effect_frames.h"
#include "effects/effect_run.h"

namespace morv {

void moveStep(Surface& frame, const Surface& scene, const Surface& stage, int dir, int pixelsPerStep, int k,
              bool enteringPhase) {
    const int64_t w = frame.width(), h = frame.height();
    const int64_t a = int64_t{k} * pixelsPerStep;
    Rect to, from;
    if (!enteringPhase) {
        // The old picture slides out, uncovering what the frame held.
        switch (dir) {
            case direction::kLeft: to = rectOf(a, 0, w, h), from = rectOf(0, 0, w - a, h); break;
            case direction::kRight: to = rectOf(0, 0, w - a, h), from = rectOf(a, 0, w, h); break;
            case direction::kUp: to = rectOf(0, a, w, h), from = rectOf(0, 0, w, h - a); break;
            default: to = rectOf(0, 0, w, h - a), from = rectOf(0, a, w, h); break;
        }
        frame.copyRect(scene, from, to, false);
        return;
    }
    switch (dir) {
        case direction::kLeft: to = rectOf(0, 0, 1 + a, h), from = rectOf(w - 1 - a, 0, w, h); break;
        case direction::kRight: to = rectOf(w - 1 - a, 0, w, h), from = rectOf(0, 0, 1 + a, h); break;
        case direction::kUp: to = rectOf(0, 0, w, 1 + a), from = rectOf(0, h - 1 - a, w, h); break;
        default: to = rectOf(0, h - 1 - a, w, h), from = rectOf(0, 0, w, 1 + a); break;
    }
    frame.copyRect(stage, from, to, false);
}

void runMove(const EffectRun& run) {
    const int step = run.values.parameter;
    const int dir = run.values.direction;
    const int64_t length = isHorizontal(dir) ? run.frame().width() : run.frame().height();
    // A step of no pixels would never move the picture: such a move ends at once.
    if (step >= 1) {
        // Both phases time their steps from one start: the second half's deadlines
        // have passed when it begins, so it runs without waiting.
        FrameClock clock = run.startClock();
        const uint64_t duration = run.values.durationMs;
        auto phase = [&](bool entering) {
            for (int k = 0; int64_t{k} * step < length; ++k) {
                const uint64_t moved = static_cast<uint64_t>(k) * static_cast<uint64_t>(step);
                if (!clock.waitPast((moved * duration / static_cast<uint64_t>(length)) >> 1)) return false;
                moveStep(run.frame(), run.scene(), run.stage(), dir, step, k, entering);
                run.present();
            }
            return true;
        };
        if (phase(false)) phase(true);
    }
    run.copyWhole(run.frame(), run.stage());
    run.copyWhole(run.scene(), run.stage());
}

}  // namespace morv
