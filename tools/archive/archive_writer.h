// Writes packed archives in the layout the engine's archive reader reads.
#pragma once
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "image/archive_format.h"

namespace morv::tools {

// One entry to be written: its stored bytes are held in `data`, or, when `source`
// is set, copied unchanged from that file.
struct PackedEntry {
    std::string name;  // CP949, backslashes between directories
    uint8_t type = 0;
    uint64_t unpackedSize = 0;
    uint64_t storedSize = 0;
    std::string data;
    std::filesystem::path source;
};

class ArchiveWriter {
public:
    explicit ArchiveWriter(uint64_t maxArchiveBytes = archive_format::kMaxArchiveBytes)
        : maxArchiveBytes_(maxArchiveBytes) {}

    // Appends the entry; throws ToolError when its name collides with an earlier
    // one without regard to case, or when it or the archive would outgrow 32-bit sizes.
    void add(PackedEntry entry);
    // Writes the archive through a temporary file renamed over `path`, so that a
    // failure never leaves a half-written archive; throws ToolError on failure.
    void write(const std::filesystem::path& path) const;

    const std::vector<PackedEntry>& entries() const { return entries_; }

private:
    void writeTo(std::ostream& out) const;

    uint64_t maxArchiveBytes_;
    uint64_t archiveBytes_ = archive_format::kHeaderBytes;
    std::vector<PackedEntry> entries_;
};

}  // namespace morv::tools
