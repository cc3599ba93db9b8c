// Temporary directories and the current directory for tests.
#pragma once
#include <filesystem>
#include <string>
#include <string_view>

namespace morv::testing {

// A fresh directory under the system's temporary directory, removed with everything in it.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // Writes a file (parents created) with the given bytes; returns its path.
    std::filesystem::path write(const std::string& relative, std::string_view bytes) const;
    std::string read(const std::string& relative) const;

private:
    std::filesystem::path path_;
};

// Makes a directory the current directory for the guard's lifetime.
class CurrentDirectory {
public:
    explicit CurrentDirectory(const std::filesystem::path& path);
    ~CurrentDirectory();

private:
    std::filesystem::path previous_;
};

// The whole content of a file; empty when it cannot be read.
std::string readFile(const std::filesystem::path& path);

// UTF-8 source text as CP949 bytes, for writing game files in tests.
std::string cp949(std::string_view utf8);

}  // namespace morv::testing
