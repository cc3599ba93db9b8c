// The byte layout of the packed archive shared by its reader and its writer.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace morv::archive_format {

constexpr std::string_view kMagic = "QXA";
constexpr std::string_view kVersion = "100";
// Magic and version come first; an archive without them starts with the entry count.
constexpr size_t kHeaderBytes = 3 + 3 + 4;
// Name length, offset, unpacked size, stored size and type around the name's bytes.
constexpr size_t kEntryFixedBytes = 4 + 4 + 4 + 4 + 1;
// Offsets and sizes are 32-bit: nothing in an archive may lie beyond this byte.
constexpr uint64_t kMaxArchiveBytes = UINT32_MAX;

// Entry names compare without regard to ASCII case; a slash and a backslash are
// the same separator, as they are for loose game files.
bool namesMatch(std::string_view a, std::string_view b);

}  // namespace morv::archive_format
