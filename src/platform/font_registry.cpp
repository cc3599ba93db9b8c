// Registering a game's own font files with fontconfig.
#include "platform/font_registry.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <string>

namespace morv {
namespace {

// Only a regular file is handed to fontconfig: given a directory it would read
// every file below it as a font, which for a name like "\usr" takes minutes.
void registerFile(const std::filesystem::path& file) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) return;
    FcConfigAppFontAddFile(nullptr, reinterpret_cast<const FcChar8*>(file.c_str()));
}

// Every file of the application font set, once each.
std::vector<std::filesystem::path> applicationFontFiles() {
    std::vector<std::filesystem::path> files;
    FcFontSet* set = FcConfigGetFonts(nullptr, FcSetApplication);
    for (int i = 0; set && i < set->nfont; ++i) {
        FcChar8* file = nullptr;
        if (FcPatternGetString(set->fonts[i], FC_FILE, 0, &file) != FcResultMatch) continue;
        std::filesystem::path path(reinterpret_cast<const char*>(file));
        if (std::find(files.begin(), files.end(), path) == files.end()) files.push_back(path);
    }
    return files;
}

// Kept absolute: the working directory may change while the font is in use.
std::filesystem::path absolutePath(const std::filesystem::path& file) {
    std::error_code ec;
    std::filesystem::path absolute = std::filesystem::absolute(file, ec).lexically_normal();
    return ec ? file : absolute;
}

}  // namespace

FontRegistry::~FontRegistry() {
    while (!files_.empty()) remove(files_.front());
}

void FontRegistry::add(const std::filesystem::path& file) {
    files_.push_back(absolutePath(file));
    registerFile(files_.back());
}

// Fontconfig drops application fonts only as a whole set, so the set is rebuilt
// without the file; fonts that others registered stay.
void FontRegistry::remove(const std::filesystem::path& file) {
    std::filesystem::path target = absolutePath(file);
    auto it = std::find(files_.begin(), files_.end(), target);
    if (it == files_.end()) return;
    files_.erase(it);
    if (std::find(files_.begin(), files_.end(), target) != files_.end()) return;  // still listed once more
    std::vector<std::filesystem::path> kept = applicationFontFiles();
    std::erase(kept, target);
    FcConfigAppFontClear(nullptr);
    for (const auto& path : kept) registerFile(path);
}

}  // namespace morv

#if defined(__SANITIZE_ADDRESS__)
// Fontconfig keeps its configuration and font caches until the process ends, and
// D-Bus (which SDL asks about the screen saver on X11) its connection; the leak
// checker is not to report them as ours.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\nleak:libdbus-1.so\n"; }
#endif
