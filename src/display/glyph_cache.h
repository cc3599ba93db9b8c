// Rendered characters kept for reuse.
#pragma once
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace morv {

// One rendered character: an 8-bit coverage bitmap (monochrome glyphs use 0 and
// 255 only) placed relative to the pen on the baseline.
struct Glyph {
    int left = 0;     // from the pen to the bitmap's left column
    int top = 0;      // from the baseline up to the bitmap's top row
    int width = 0;
    int rows = 0;
    int advance = 0;  // whole pixels
    std::vector<uint8_t> coverage;  // width x rows, top row first
};

// The glyphs one font has rendered, by code point; each is rendered once.
class GlyphCache {
public:
    const Glyph* find(char32_t codePoint) const {
        auto it = glyphs_.find(codePoint);
        return it == glyphs_.end() ? nullptr : &it->second;
    }
    const Glyph& insert(char32_t codePoint, Glyph glyph) {
        return glyphs_.insert_or_assign(codePoint, std::move(glyph)).first->second;
    }
    size_t size() const { return glyphs_.size(); }

private:
    std::unordered_map<char32_t, Glyph> glyphs_;
};

}  // namespace morv
