#pragma once
// Built-in transitions drawn by the effect worker while the main thread ticks.
#include "display/effect_canvas.h"
#include "effects/effect_worker.h"
#include "effects/run_effect.h"

namespace morv {

// The common start on this thread, then the family on the worker over
// `workerCanvas`. True when the effect is already over: INVERT, done here at
// once, and numbers that are no built-in effect; false while the worker draws it
// (the busy flag tells when it has finished).
bool startThreadedEffect(EffectWorker& worker, const EffectCanvas& canvas, const EffectCanvas& workerCanvas,
                         const EffectRequest& request);

}  // namespace morv
