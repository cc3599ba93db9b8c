// Shared libraries loaded at run time (effect libraries).
#pragma once
#include <filesystem>
#include <memory>

namespace morv {

// One loaded library, released when destroyed.
class SharedLibrary {
public:
    // The library in that file, or none when it cannot be loaded.
    static std::unique_ptr<SharedLibrary> open(const std::filesystem::path& file);
    ~SharedLibrary();
    SharedLibrary(const SharedLibrary&) = delete;
    SharedLibrary& operator=(const SharedLibrary&) = delete;

    // The address of the export with exactly that name, or null.
    void* symbol(const char* name) const;

private:
    explicit SharedLibrary(void* handle) : handle_(handle) {}
    void* handle_;
};

}  // namespace morv
