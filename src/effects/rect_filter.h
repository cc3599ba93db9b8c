// The instant color filters.
#pragma once
#include "display/surface.h"

namespace morv {

// The instant color filters, numbered as the filter commands name them.
enum class RectFilter { Gray = 0, Sepia = 1, Invert = 2, Blend = 3 };
inline constexpr int kFilterCount = 4;

// A blend color; each channel 0 to 255.
struct BlendColor {
    int red = 0;
    int green = 0;
    int blue = 0;
};

// A filter rectangle: right and bottom are included.
struct InclusiveRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// Filters the rectangle of the surface in place. 16-bit pixels are filtered in
// the pairs of one 32-bit word, so the rectangle widens to whole pairs. The part
// of the rectangle that lies outside the surface is left out.
void filterRect(Surface& surface, RectFilter filter, const InclusiveRect& rect, BlendColor color = {});

}  // namespace morv
