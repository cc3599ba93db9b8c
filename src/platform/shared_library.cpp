// Loading shared libraries through the dynamic linker.
#include "platform/shared_library.h"

#include <dlfcn.h>

namespace morv {

std::unique_ptr<SharedLibrary> SharedLibrary::open(const std::filesystem::path& file) {
    // An absolute name keeps the dynamic linker from searching its own directories.
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(file, error);
    if (error) return nullptr;
    void* handle = dlopen(absolute.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) return nullptr;
    return std::unique_ptr<SharedLibrary>(new SharedLibrary(handle));
}

SharedLibrary::~SharedLibrary() { dlclose(handle_); }

void* SharedLibrary::symbol(const char* name) const { return dlsym(handle_, name); }

}  // namespace morv
