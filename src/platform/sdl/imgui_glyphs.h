// The characters the ImGui font is built with, grown as the texts shown need more.
#pragma once
#include <imgui.h>

#include <string_view>

namespace morv {

// The characters of the boxes' and menus' font. A full Hangul face costs tens of
// megabytes of atlas and seconds to build, so the font holds ASCII and the menus'
// texts at first and gains the characters of every other text as it is shown.
class FontGlyphs {
public:
    FontGlyphs();

    // Adds the characters of `utf8` the font lacks; the font is rebuilt before the next frame.
    void add(std::string_view utf8);
    // True while characters were added since the font was last built.
    bool changed() const { return changed_; }
    // The glyph ranges for building the font; the set counts as built from then on.
    const ImWchar* takeRanges();

private:
    ImFontGlyphRangesBuilder used_;
    ImVector<ImWchar> ranges_;
    bool changed_ = true;
};

// Gives the text back unchanged after adding its characters to the current ImGui
// context's font. Every text a box, menu or dialog shows passes through here; a
// character first seen while drawing shows from the next frame on.
const char* withGlyphs(const char* utf8);
const std::string& withGlyphs(const std::string& utf8);

}  // namespace morv
