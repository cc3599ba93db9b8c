#pragma once
// Game files of the fuzz targets, written into the current directory.
#include <fstream>
#include <string>
#include <string_view>

namespace morv::fuzz {

inline void writeScratchFile(const std::string& name, std::string_view bytes) {
    std::ofstream(name, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace morv::fuzz
