// Font files a game brings along, registered for the font lookup.
#pragma once
#include <filesystem>
#include <vector>

namespace morv {

// Font files a game brings along, made available to the font lookup for as long
// as the registry lives.
class FontRegistry {
public:
    FontRegistry() = default;
    // Unregisters every file in the order they were added.
    ~FontRegistry();
    FontRegistry(const FontRegistry&) = delete;
    FontRegistry& operator=(const FontRegistry&) = delete;

    // Registers the file for this run when it is a regular file (directories,
    // devices and missing names are listed but not registered); the result is not
    // reported.
    void add(const std::filesystem::path& file);
    // Unregisters the file (its first listing).
    void remove(const std::filesystem::path& file);

    const std::vector<std::filesystem::path>& files() const { return files_; }

private:
    std::vector<std::filesystem::path> files_;
};

}  // namespace morv
