// Finding font files by family with fontconfig.
#include "platform/font_locator.h"

#include <fontconfig/fontconfig.h>

#include <memory>

namespace morv {
namespace {

struct PatternDeleter {
    void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
using Pattern = std::unique_ptr<FcPattern, PatternDeleter>;

// The best match for a family and, when given, a language.
Pattern match(const char* family, const char* language) {
    Pattern pattern(FcPatternCreate());
    if (!pattern) return nullptr;
    if (family) FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
    if (language) FcPatternAddString(pattern.get(), FC_LANG, reinterpret_cast<const FcChar8*>(language));
    FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    FcResult result = FcResultNoMatch;
    return Pattern(FcFontMatch(nullptr, pattern.get(), &result));
}

// True when one of the matched font's family names is the requested one: the
// configuration always answers with some font, even for unknown names.
bool hasFamily(FcPattern* font, const std::string& family) {
    FcChar8* name = nullptr;
    for (int i = 0; FcPatternGetString(font, FC_FAMILY, i, &name) == FcResultMatch; ++i)
        if (FcStrCmpIgnoreCase(name, reinterpret_cast<const FcChar8*>(family.c_str())) == 0) return true;
    return false;
}

FontFile fileOf(FcPattern* font) {
    FontFile file;
    FcChar8* path = nullptr;
    if (font && FcPatternGetString(font, FC_FILE, 0, &path) == FcResultMatch) {
        file.path = reinterpret_cast<const char*>(path);
        int index = 0;
        if (FcPatternGetInteger(font, FC_INDEX, 0, &index) == FcResultMatch) file.faceIndex = index;
    }
    return file;
}

}  // namespace

FontFile locateFontFile(std::string_view faceName) {
    if (!FcInit()) return {};
    std::string family(faceName);
    if (!family.empty()) {
        Pattern font = match(family.c_str(), nullptr);
        if (font && hasFamily(font.get(), family)) return fileOf(font.get());
    }
    Pattern korean = match("NanumGothic", "ko");
    return fileOf(korean.get());
}

}  // namespace morv
