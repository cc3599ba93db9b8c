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

void FontRegistry::add(const std::filesystem::path& file) {
    files_.push_back(file);
    registerFile(file);
}

// Fontconfig removes application fonts only as a whole set, so the set is
// rebuilt from the files still listed.
void FontRegistry::remove(const std::filesystem::path& file) {
    auto it = std::find(files_.begin(), files_.end(), file);
    if (it == files_.end()) return;
    files_.erase(it);
    FcConfigAppFontClear(nullptr);
    for (const auto& kept : files_) registerFile(kept);
}

}  // namespace morv
