// One run of an effect family.
#pragma once
#include "display/screen.h"
#include "effects/effect_values.h"
#include "effects/frame_clock.h"

namespace morv {

// One run of an effect family on the screen's surfaces. The same routine serves
// the main thread and a worker: only a worker's run can be cancelled, through the
// screen's effect-run flag, which the main thread never clears for its own run.
struct EffectRun {
    Screen& screen;
    EffectValues values;
    bool cancellable = false;

    // The family's frame timer, started now.
    FrameClock startClock() const {
        return FrameClock(screen.clock(), cancellable ? &screen.effectRun() : nullptr);
    }
    Surface& surface(SurfaceRole role) const { return screen.surface(role); }
    Surface& frame() const { return surface(SurfaceRole::FrameSurface); }
    Surface& scene() const { return surface(SurfaceRole::SceneSurface); }
    Surface& stage() const { return surface(SurfaceRole::StageSurface); }
    void present() const { screen.present(); }
    // A whole-surface copy without present, as the final states make them.
    void copyWhole(SurfaceRole to, SurfaceRole from) const { surface(to).copy(surface(from), false); }
};

// The family routines: frames, then the family's final copies. The caller
// clears the effect-busy flag afterwards.
void runFade(const EffectRun& run);
void runScroll(const EffectRun& run);
void runInvert(const EffectRun& run);
void runBlind(const EffectRun& run);
void runBlindShow(const EffectRun& run);
void runCurtain(const EffectRun& run);
void runQuake(const EffectRun& run);
void runZoom(const EffectRun& run);
void runRotate(const EffectRun& run);
void runMosaic(const EffectRun& run);
void runMove(const EffectRun& run);

}  // namespace morv
