// Effect library paths and the ".dll" to ".so" fallback.
#include "effects/effect_library_loader.h"

#include <optional>

#include "platform/cp949.h"

namespace morv {

namespace {

constexpr std::string_view kWindowsSuffix = ".dll";
constexpr std::string_view kSharedObjectSuffix = ".so";

std::unique_ptr<SharedLibrary> loadFound(const FileResolver& files, std::string_view gamePath) {
    std::optional<std::filesystem::path> file = files.find(gamePath);
    if (!file || !std::filesystem::is_regular_file(*file)) return nullptr;
    return SharedLibrary::open(*file);
}

}  // namespace

std::string effectLibraryPath(std::string_view directory, std::string_view word) {
    std::string path(directory);
    path += word;
    return path;
}

std::unique_ptr<SharedLibrary> loadEffectLibrary(const FileResolver& files, std::string_view gamePath) {
    if (auto library = loadFound(files, gamePath)) return library;
    if (gamePath.size() <= kWindowsSuffix.size()) return nullptr;
    const size_t stem = gamePath.size() - kWindowsSuffix.size();
    if (!cp949::equalsIgnoreCase(gamePath.substr(stem), kWindowsSuffix)) return nullptr;
    std::string shared(gamePath.substr(0, stem));
    shared += kSharedObjectSuffix;
    return loadFound(files, shared);
}

}  // namespace morv
