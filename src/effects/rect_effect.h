// The rectangle filter commands on the scene or the stage.
#pragma once
#include <span>
#include <string>

#include "display/effect_canvas.h"
#include "effects/rect_filter.h"

namespace morv {

// Which picture a filter command changes: the scene on view (recteffect), which
// is then shown and becomes the stage too, or only the stage (bufferrecteffect).
enum class FilterTarget { Scene, Stage };

// One filter command. Filters outside 0 to 3 do nothing.
struct FilterRequest {
    int filter = 0;
    bool wholeScreen = true;
    InclusiveRect rect;
    BlendColor color;
};

// The command's arguments: the filter (a keyword GRAY, SEPIA, INVERT or BLEND in
// any case, or a number; any other word counts as 0); alone it filters the whole
// screen, else left, top, right, bottom follow, and for BLEND red, green and blue.
// A missing number counts as 0.
FilterRequest filterRequestFromArguments(std::span<const std::string> arguments);

void runRectEffect(const EffectCanvas& canvas, const FilterRequest& request, FilterTarget target);

}  // namespace morv
