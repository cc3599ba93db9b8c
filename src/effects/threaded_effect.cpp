// Starting a built-in transition on the effect worker after its common start.
#include "effects/threaded_effect.h"

namespace morv {

bool startThreadedEffect(EffectWorker& worker, const EffectCanvas& canvas, const EffectCanvas& workerCanvas,
                         const EffectRequest& request) {
    std::optional<EffectValues> values = startEffect(canvas, request, true);
    if (!values) return true;
    if (values->family == EffectFamily::Invert) {
        runEffectFamily(canvas, *values, false);
        return true;
    }
    worker.start(workerCanvas, canvas,
                 [values = *values](const EffectCanvas& on) { runEffectFamily(on, values, true); });
    return false;
}

}  // namespace morv
