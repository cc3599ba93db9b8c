// Running one built-in transition.
#pragma once
// Starting a built-in transition on a canvas and running its family to the end.
#include <optional>
#include <string_view>

#include "display/effect_canvas.h"
#include "effects/effect_values.h"

namespace morv {

// One cgeffect line. Its picture has been put in place before the effect starts:
// the stage background unless the picture keeps the stage, and for the scrolls
// the scroll image in the scratch surface.
struct EffectRequest {
    int number = 0;      // built-in effect 0 to 30
    int durationMs = 0;  // T; a negative duration counts as 0
    std::optional<int> parameter;  // P; the effect's default when the line gives none
};

// "BUFFER" (any case) and "" keep the stage as it is.
bool pictureKeepsStage(std::string_view picture);
// The scrolls slide a window across their picture, loaded at its own size.
bool scrollsPicture(int number);

// Runs a built-in transition on this thread: frames timed over about T ms, each
// presented, then the family's final state on the surfaces. Returns true only for
// INVERT, which is done at once; false otherwise, and for numbers that are not
// built-in effects (which change nothing).
bool runEffect(const EffectCanvas& canvas, const EffectRequest& request);

// The steps shared by every start: waits for a worker's effect to stop, fixes T,
// P and the direction. For a threaded start the busy and run flags are set for
// the worker.
std::optional<EffectValues> startEffect(const EffectCanvas& canvas, const EffectRequest& request, bool threaded);

// The family's frames and final state, then the busy flag cleared. A cancellable
// run (a worker's) ends between two frames once the canvas's run flag is cleared.
void runEffectFamily(const EffectCanvas& canvas, const EffectValues& values, bool cancellable);

// Cancels a worker's effect and waits, yielding, until it has made its final
// copies and cleared the busy flag.
void stopEffect(const EffectCanvas& canvas);

}  // namespace morv
