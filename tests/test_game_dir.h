#pragma once
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "platform/cp949.h"

namespace morv::testing {

// A temporary game directory that is removed with the object. Files are written
// as CP949 from UTF-8 sources.
class TestGameDir {
public:
    TestGameDir() {
        std::random_device random;
        path_ = std::filesystem::temp_directory_path() / ("morv-test-" + std::to_string(random()));
        std::filesystem::create_directories(path_);
    }
    ~TestGameDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TestGameDir(const TestGameDir&) = delete;
    TestGameDir& operator=(const TestGameDir&) = delete;

    void write(const std::string& name, const std::string& utf8) const {
        std::ofstream out(path_ / name, std::ios::binary | std::ios::trunc);
        out << cp949::fromUtf8(utf8);
    }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// Makes a directory the working directory for the object's lifetime.
class WorkingDirectory {
public:
    explicit WorkingDirectory(const std::filesystem::path& dir) : previous_(std::filesystem::current_path()) {
        std::filesystem::current_path(dir);
    }
    ~WorkingDirectory() { std::filesystem::current_path(previous_); }
    WorkingDirectory(const WorkingDirectory&) = delete;
    WorkingDirectory& operator=(const WorkingDirectory&) = delete;

private:
    std::filesystem::path previous_;
};

}  // namespace morv::testing
