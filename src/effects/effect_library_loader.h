// Finding and loading an effect library by the name a scenario gives it.
#pragma once
#include <memory>
#include <string>
#include <string_view>

#include "platform/file_resolver.h"
#include "platform/shared_library.h"

namespace morv {

// The configured effect directory followed directly by the library word; the
// directory is expected to end with a separator, nothing is inserted.
std::string effectLibraryPath(std::string_view directory, std::string_view word);

// The library at that game path, found like every game file. Game data written
// for Windows names "Effects.dll": a name ending in ".dll" (any case) that cannot
// be loaded is tried once more ending in ".so". None when neither loads.
std::unique_ptr<SharedLibrary> loadEffectLibrary(const FileResolver& files, std::string_view gamePath);

}  // namespace morv
