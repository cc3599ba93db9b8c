// Growing the ImGui font's characters with the texts shown.
#include "platform/sdl/imgui_glyphs.h"

#include <imgui_internal.h>

#include <string>

#include "platform/menu_items.h"

namespace morv {

namespace {

void addMenuTexts(FontGlyphs& glyphs) {
    for (const MenuColumn& column : menuBarColumns()) {
        glyphs.add(column.text);
        for (const MenuEntry& entry : column.entries) glyphs.add(entry.text);
    }
    for (const MenuEntry& entry : popupEntries()) glyphs.add(entry.text);
}

}  // namespace

FontGlyphs::FontGlyphs() {
    static const ImWchar kLatin[] = {0x0020, 0x00FF, 0};
    used_.AddRanges(kLatin);
    addMenuTexts(*this);
}

void FontGlyphs::add(std::string_view utf8) {
    const char* text = utf8.data();
    const char* end = text + utf8.size();
    while (text < end) {
        unsigned int c = 0;
        const int length = ImTextCharFromUtf8(&c, text, end);
        if (length <= 0) break;
        text += length;
        // The font's characters are 16-bit; others show as the fallback mark.
        if (c == 0 || c > IM_UNICODE_CODEPOINT_MAX || used_.GetBit(c)) continue;
        used_.AddChar(static_cast<ImWchar>(c));
        changed_ = true;
    }
}

const ImWchar* FontGlyphs::takeRanges() {
    ranges_.clear();
    used_.BuildRanges(&ranges_);
    changed_ = false;
    return ranges_.Data;
}

const char* withGlyphs(const char* utf8) {
    if (auto* glyphs = static_cast<FontGlyphs*>(ImGui::GetIO().UserData)) glyphs->add(utf8);
    return utf8;
}

const std::string& withGlyphs(const std::string& utf8) {
    if (auto* glyphs = static_cast<FontGlyphs*>(ImGui::GetIO().UserData)) glyphs->add(utf8);
    return utf8;
}

}  // namespace morv
