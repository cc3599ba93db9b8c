// Lists and extracts the entries of a packed archive.
#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "image/image_archive.h"

namespace morv::tools {

// Where an entry is written below `outDir`; none for a name that is absolute (a
// leading separator or a drive) or that climbs out through "..".
std::optional<std::filesystem::path> extractionPath(std::string_view entryName, const std::filesystem::path& outDir);

// The entry's file content: compressed entries inflated, BMP entries as a complete
// BMP file, anything else as stored. Throws ToolError when it cannot be read.
std::string extractedContent(const ImageArchive& archive, const ArchiveEntry& entry);

// One listing line: name (UTF-8), type, unpacked size, stored size, offset.
std::string listingLine(const ArchiveEntry& entry);

}  // namespace morv::tools
