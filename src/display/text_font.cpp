// Measuring whole texts with a font.
#include "display/text_font.h"

#include <algorithm>

namespace morv {

int textWidth(TextFont& font, std::string_view text) {
    int width = 0;
    for (size_t pos = 0; pos < text.size();) {
        int length = 1;
        width += font.charWidth(text, pos, &length);
        pos += static_cast<size_t>(std::max(1, length));
    }
    return width;
}

}  // namespace morv
