#pragma once
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "platform/file_resolver.h"

namespace morv::test_support {

// A fresh directory under the system's temporary directory, removed afterwards,
// with a resolver rooted there.
class TempGameDir {
public:
    TempGameDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "morv-test-XXXXXX").string();
        path_ = mkdtemp(pattern.data());
        files_ = FileResolver(path_);
    }
    ~TempGameDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempGameDir(const TempGameDir&) = delete;
    TempGameDir& operator=(const TempGameDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    const FileResolver& files() const { return files_; }

    void write(const std::string& name, std::string_view bytes) const {
        std::ofstream out(path_ / name, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    std::string read(const std::string& name) const { return files_.readAll(name).value_or("<missing>"); }
    bool exists(const std::string& name) const { return std::filesystem::exists(path_ / name); }

private:
    std::filesystem::path path_;
    FileResolver files_;
};

// Makes the directory the current one for the life of the object (the platform's
// files are rooted at the current directory).
class CurrentDirectory {
public:
    explicit CurrentDirectory(const std::filesystem::path& path) : previous_(std::filesystem::current_path()) {
        std::filesystem::current_path(path);
    }
    ~CurrentDirectory() { std::filesystem::current_path(previous_); }
    CurrentDirectory(const CurrentDirectory&) = delete;
    CurrentDirectory& operator=(const CurrentDirectory&) = delete;

private:
    std::filesystem::path previous_;
};

}  // namespace morv::test_support
