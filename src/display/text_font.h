// The font contract the text is measured and drawn with.
#pragma once
#include <cstddef>
#include <memory>
#include <string_view>

#include "config/font_record.h"
#include "config/game_config.h"
#include "display/rect.h"
#include "display/surface.h"

namespace morv {

// A realised font: measures and draws CP949 text one character at a time,
// without kerning.
class TextFont {
public:
    virtual ~TextFont() = default;

    // Height of the character cell in pixels.
    virtual int height() const = 0;
    // Advance width in whole pixels of the character (1 or 2 bytes) starting at
    // text[pos]; `length` receives the number of bytes it takes.
    virtual int charWidth(std::string_view text, size_t pos, int* length = nullptr) = 0;
    // Draws the text with the top-left corner of its first cell at (x, y): only the
    // glyphs' own pixels, in `color`, inside `clip` and the target's bounds.
    virtual void draw(const PixelRows& target, const Rect& clip, int x, int y, std::string_view text,
                      ConfigColor color) = 0;
};

// Makes fonts from font descriptions.
class FontFactory {
public:
    virtual ~FontFactory() = default;
    virtual std::unique_ptr<TextFont> create(const FontRecord& record) = 0;
};

// Sum of the character widths of the text.
int textWidth(TextFont& font, std::string_view text);

}  // namespace morv
