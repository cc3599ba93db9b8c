// The one game-file resolver: backslashes, any case, CP949 names.
#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace morv {

// Maps a game's Windows-style file name (CP949 bytes, backslashes, any case,
// relative to the game directory) to a real file. The exact path wins; otherwise
// each component is matched without regard to ASCII case against its directory.
class FileResolver {
public:
    explicit FileResolver(std::filesystem::path root = ".");

    // The existing file or directory that the name refers to, or none.
    std::optional<std::filesystem::path> find(std::string_view gameName) const;
    // Where a file of that name is to be created: existing directories are matched
    // as by find, the missing rest is taken as written.
    std::filesystem::path pathForCreate(std::string_view gameName) const;

    bool exists(std::string_view gameName) const { return find(gameName).has_value(); }
    // The whole content of the file, or none when it cannot be found or read.
    std::optional<std::string> readAll(std::string_view gameName) const;
    // Replaces the file with `bytes` through a temporary file and a rename, so that
    // a failure half-way never destroys the previous copy.
    bool writeAll(std::string_view gameName, std::string_view bytes) const;
    bool remove(std::string_view gameName) const;
    // Makes sure the directory exists (creating missing parents).
    bool makeDirectory(std::string_view gameName) const;

    const std::filesystem::path& root() const { return root_; }

private:
    std::optional<std::filesystem::path> resolve(std::string_view gameName, bool forCreate) const;

    std::filesystem::path root_;
};

}  // namespace morv
