// Finding the Korean face for the boxes and menus.
#include "platform/sdl/korean_font.h"

#include <fontconfig/fontconfig.h>

#include <filesystem>
#include <strings.h>

namespace morv {

namespace {

constexpr const char* kFamily = "NanumGothic";
constexpr const char* kFallbackFile = "/usr/share/fonts/truetype/nanum/NanumGothic.ttf";

// fontconfig always answers with some face; only the family asked for will do.
std::string fontconfigFile() {
    std::string file;
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(kFamily));
    if (pattern == nullptr) return file;
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    if (match != nullptr) {
        FcChar8* family = nullptr;
        FcChar8* path = nullptr;
        if (FcPatternGetString(match, FC_FAMILY, 0, &family) == FcResultMatch &&
            strcasecmp(reinterpret_cast<const char*>(family), kFamily) == 0 &&
            FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch) {
            file = reinterpret_cast<const char*>(path);
        }
        FcPatternDestroy(match);
    }
    FcPatternDestroy(pattern);
    return file;
}

}  // namespace

std::string koreanFontFile() {
    std::error_code ec;
    std::string file = fontconfigFile();
    if (!file.empty() && std::filesystem::is_regular_file(file, ec)) return file;
    if (std::filesystem::is_regular_file(kFallbackFile, ec)) return kFallbackFile;
    return {};
}

}  // namespace morv
