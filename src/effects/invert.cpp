// INVERT: the scene inverted and shown at once.
#include "effects/effect_run.h"
#include "effects/rect_effect.h"

namespace morv {

// Not animated: the whole scene inverted, shown and made the stage at once.
void runInvert(const EffectRun& run) {
    FilterRequest request;
    request.filter = static_cast<int>(RectFilter::Invert);
    runRectEffect(run.canvas, request, FilterTarget::Scene);
}

}  // namespace morv
