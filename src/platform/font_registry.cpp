#include "platform/font_registry.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>

namespace morv {
namespace {

void registerFile(const std::filesystem::path& file) {
    FcConfigAppFontAddFile(nullptr, reinterpret_cast<const FcChar8*>(file.c_str()));
}

}  // namespace

FontRegistry::~FontRegistry() {
    while (!files_.empty()) remove(files_.front());
}

// Kept absolute: the working directory may change while the font is in use.
void FontRegistry::add(const std::filesystem::path& file) {
    std::error_code ec;
    std::filesystem::path absolute = std::filesystem::absolute(file, ec).lexically_normal();
    files_.push_back(ec ? file : absolute);
    registerFile(files_.back());
}

// Fontconfig removes application fonts only as a whole set, so the set is
// rebuilt from the files still listed.
void FontRegistry::remove(const std::filesystem::path& file) {
    std::error_code ec;
    std::filesystem::path absolute = std::filesystem::absolute(file, ec).lexically_normal();
    auto it = std::find(files_.begin(), files_.end(), ec ? file : absolute);
    if (it == files_.end()) return;
    files_.erase(it);
    FcConfigAppFontClear(nullptr);
    for (const auto& kept : files_) registerFile(kept);
}

}  // namespace morv

#if defined(__SANITIZE_ADDRESS__)
// Fontconfig keeps its configuration and font caches until the process ends;
// the leak checker is not to report them as ours.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
#endif
