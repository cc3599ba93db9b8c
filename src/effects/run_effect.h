// Running one built-in transition.
#pragma once
#include <optional>
#include <string>

#include "display/screen.h"
#include "effects/effect_values.h"

namespace morv {

// One cgeffect line.
struct EffectRequest {
    int number = 0;      // built-in effect 0 to 30
    int durationMs = 0;  // T; a negative duration counts as 0
    // "BUFFER" (any case) or "" keep the stage; "WHITE", "BLACK", "PURPLE" or an
    // image file set the stage background first. The scrolls scroll this picture.
    std::string picture;
    std::optional<int> parameter;  // P; the effect's default when the line gives none
};

// Runs a built-in transition on this thread: frames timed over about T ms, each
// presented, then the family's final state on the surfaces. Returns true only for
// INVERT, which is done at once; false otherwise, and for numbers that are not
// built-in effects (which change nothing).
bool runEffect(Screen& screen, const EffectRequest& request);

// The steps shared by every start: waits for a worker's effect to stop, sets the
// stage picture and the scroll image, fixes T, P and the direction. For a
// threaded start the busy and run flags are set for the worker.
std::optional<EffectValues> startEffect(Screen& screen, const EffectRequest& request, bool threaded);

// The family's frames and final state, then the busy flag cleared. A cancellable
// run (a worker's) ends between two frames once the screen's run flag is cleared.
void runEffectFamily(Screen& screen, const EffectValues& values, bool cancellable);

}  // namespace morv
