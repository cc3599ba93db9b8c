// One run of an effect family.
#pragma once
#include "display/effect_canvas.h"
#include "effects/effect_values.h"
#include "effects/frame_clock.h"

namespace morv {

// One run of an effect family on a canvas. The same routine serves the main
// thread and a worker: only a worker's run can be cancelled, through the
// canvas's run flag, which the main thread never clears for its own run.
struct EffectRun {
    const EffectCanvas& canvas;
    EffectValues values;
    bool cancellable = false;

    // The family's frame timer, started now.
    FrameClock startClock() const { return FrameClock(canvas.clock, cancellable ? &canvas.run : nullptr); }
    Surface& frame() const { return canvas.frame; }
    Surface& scene() const { return canvas.scene; }
    Surface& stage() const { return canvas.stage; }
    Surface& scratch() const { return canvas.scratch; }
    void present() const { canvas.present(); }
    // A whole-surface copy without present, as the final states make them.
    static void copyWhole(Surface& to, const Surface& from) { to.copy(from, false); }
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
