// FADE: the crossfade from the scene to the stage.
#include "display/crossfade.h"
#include "effects/effect_frames.h"
#include "effects/effect_run.h"

namespace morv {

namespace {
constexpr int kFadeFrames = 32;
}

void fadeFrame(Surface& frame, Surface& scene, Surface& stage, int newWeight) {
    crossfadeStep(frame, scene, stage, newWeight);
}

void runFade(const EffectRun& run) {
    FrameClock clock = run.startClock();
    const uint64_t duration = run.values.durationMs;
    for (int i = 1; i <= kFadeFrames; ++i) {
        if (!clock.waitPast((i * duration) >> 5)) break;
        fadeFrame(run.frame(), run.scene(), run.stage(), i);
        run.present();
    }
    run.copyWhole(run.scene(), run.stage());
    run.copyWhole(run.frame(), run.stage());
}

}  // namespace morv
