// Text drawn with a shadow or an outline.
#pragma once
#include <string_view>

#include "config/game_config.h"
#include "display/styled_font.h"
#include "display/surface.h"
#include "display/text_font.h"

namespace morv {

// Draws text with its cell's top-left corner at (x, y): a black shadow two pixels
// down and right when the font has one, a black outline one pixel around when it
// has one, then the text in its color.
void drawStyledText(Surface& target, TextFont& font, const StyledFont& style, int x, int y, std::string_view text,
                    ConfigColor color);

}  // namespace morv
