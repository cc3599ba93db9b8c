// The text font with its shadow and outline.
#pragma once
#include "config/font_record.h"

namespace morv {

// The text font with the two effects drawn around the glyphs.
struct StyledFont {
    FontRecord record;
    bool shadow = true;
    bool outline = false;

    bool operator==(const StyledFont&) const = default;
};

}  // namespace morv
