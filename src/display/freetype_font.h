// The text font realised with FreeType.
#pragma once
#include <memory>

#include "display/glyph_cache.h"
#include "display/text_font.h"

struct FT_FaceRec_;

namespace morv {

// A font realised with FreeType from a font description.
//
// Height: a positive height is the cell height (ascender to descender of the
// face); a negative one is the character height (the em size); 0 takes 24.
// Quality 3 renders monochrome glyphs; every other quality renders anti-aliased
// coverage. Weight 700 and above emboldens the outlines (one more pixel of
// advance per 24 pixels of size), italic shears them, underline and strike-out
// draw lines under and through each character cell. The width, escapement and
// orientation fields are not realised.
class FreeTypeFont final : public TextFont {
public:
    explicit FreeTypeFont(const FontRecord& record);
    ~FreeTypeFont() override;

    int height() const override { return cellHeight_; }
    int charWidth(std::string_view text, size_t pos, int* length = nullptr) override;
    void draw(const PixelRows& target, const Rect& clip, int x, int y, std::string_view text,
              ConfigColor color) override;

    // Number of glyphs rendered so far (each code point at most once).
    int renderedGlyphs() const { return rendered_; }
    // False when no font file could be opened: such a font measures and draws blanks.
    bool hasFace() const { return face_ != nullptr; }

private:
    struct Library;
    const Glyph& glyph(char32_t codePoint);
    Glyph render(char32_t codePoint);

    std::unique_ptr<Library> library_;
    FT_FaceRec_* face_ = nullptr;
    bool monochrome_ = true;
    bool bold_ = false;
    bool italic_ = false;
    bool underline_ = false;
    bool strikeOut_ = false;
    int cellHeight_ = 24;
    int ascent_ = 20;          // baseline below the cell top
    long boldStrength_ = 0;    // 26.6 pixels
    int underlineTop_ = 0;     // rows below the cell top
    int strikeTop_ = 0;
    int lineThickness_ = 1;
    GlyphCache cache_;
    int rendered_ = 0;
};

// Makes FreeType fonts; faces are found by their CP949 names.
class FreeTypeFontFactory final : public FontFactory {
public:
    std::unique_ptr<TextFont> create(const FontRecord& record) override;
};

}  // namespace morv
