// Drawing text with its shadow or outline.
#include "display/styled_text.h"

namespace morv {

void drawStyledText(Surface& target, TextFont& font, const StyledFont& style, int x, int y, std::string_view text,
                    ConfigColor color) {
    constexpr ConfigColor kBlack = 0;
    PixelRows rows = target.lock();
    if (!rows) return;
    const Rect clip{0, 0, rows.width, rows.height};
    if (style.shadow) font.draw(rows, clip, x + 2, y + 2, text, kBlack);
    if (style.outline) {
        font.draw(rows, clip, x - 1, y, text, kBlack);
        font.draw(rows, clip, x + 1, y, text, kBlack);
        font.draw(rows, clip, x, y - 1, text, kBlack);
        font.draw(rows, clip, x, y + 1, text, kBlack);
    }
    font.draw(rows, clip, x, y, text, color);
    target.unlock();
}

}  // namespace morv
