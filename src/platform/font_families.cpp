// Listing the font families that cover Hangul with fontconfig.
#include "platform/font_families.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <memory>

namespace morv {

namespace {

constexpr FcChar32 kHangulSyllableGa = 0xAC00;

struct PatternFree {
    void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
struct ObjectSetFree {
    void operator()(FcObjectSet* set) const { FcObjectSetDestroy(set); }
};
struct FontSetFree {
    void operator()(FcFontSet* set) const { FcFontSetDestroy(set); }
};
struct CharSetFree {
    void operator()(FcCharSet* set) const { FcCharSetDestroy(set); }
};

}  // namespace

std::vector<std::string> hangulFontFamilies(size_t limit) {
    std::vector<std::string> families;
    if (!FcInit()) return families;
    std::unique_ptr<FcPattern, PatternFree> pattern(FcPatternCreate());
    std::unique_ptr<FcCharSet, CharSetFree> hangul(FcCharSetCreate());
    std::unique_ptr<FcObjectSet, ObjectSetFree> objects(FcObjectSetBuild(FC_FAMILY, nullptr));
    if (!pattern || !hangul || !objects) return families;
    FcCharSetAddChar(hangul.get(), kHangulSyllableGa);
    FcPatternAddCharSet(pattern.get(), FC_CHARSET, hangul.get());
    FcPatternAddBool(pattern.get(), FC_SCALABLE, FcTrue);
    FcPatternAddBool(pattern.get(), FC_OUTLINE, FcTrue);
    std::unique_ptr<FcFontSet, FontSetFree> fonts(FcFontList(nullptr, pattern.get(), objects.get()));
    if (!fonts) return families;
    for (int i = 0; i < fonts->nfont && families.size() < limit; ++i) {
        FcChar8* name = nullptr;
        if (FcPatternGetString(fonts->fonts[i], FC_FAMILY, 0, &name) != FcResultMatch) continue;
        std::string family(reinterpret_cast<const char*>(name));
        if (family.empty() || family.front() == '@') continue;
        if (std::find(families.begin(), families.end(), family) == families.end()) families.push_back(family);
    }
    return families;
}

}  // namespace morv
