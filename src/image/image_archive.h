// The packed archive of named entries that holds the images or the scenario texts.
#pragma once
#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace morv {

class FileResolver;

// Raised when an archive cannot be opened; the text is shown to the player.
class ArchiveError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct ArchiveEntry {
    enum Type : uint8_t { Raw = 0, Bmp = 1, Png = 2, Compressed = 3 };

    std::string name;             // CP949, compared without regard to case
    uint32_t offset = 0;          // absolute offset of the data
    uint32_t unpackedSize = 0;    // size after unpacking (stored size for plain entries)
    uint32_t storedSize = 0;      // bytes stored at the offset
    uint8_t type = Raw;
};

// A packed file of named entries: the images, or the scenario texts. The table
// is read whole at opening; data is read from the file on each request.
class ImageArchive {
public:
    // Throws ArchiveError("Cannot create QXA File instance for file " + path) when
    // the file cannot be opened or its table is damaged.
    ImageArchive(const FileResolver& files, const std::string& path);

    // The first entry whose name matches without regard to case or separator, or null.
    const ArchiveEntry* find(std::string_view name) const;
    // Stored size for a PNG entry, unpacked size for any other; 0 when missing.
    uint32_t size(std::string_view name) const;
    // The entry's bytes: stored bytes for types 0-2, inflated bytes for type 3.
    // False for a missing entry, an invalid type or a failed read.
    bool readRaw(std::string_view name, std::string& out) const;
    // The bytes stored at the entry's offset, unpacked or not.
    bool readStored(const ArchiveEntry& entry, std::string& out) const;
    // The first `count` stored bytes, or all of them when fewer are stored.
    bool readStoredHead(const ArchiveEntry& entry, uint32_t count, std::string& out) const;
    // Largest unpacked size a compressed entry (a scenario text) may claim.
    static constexpr uint32_t kMaxInflatedSize = 64u << 20;

    // The stored bytes inflated to at most the entry's unpacked size; false unless
    // the zlib stream ends within it, or when the size claimed passes the cap.
    bool readInflated(const ArchiveEntry& entry, std::string& out) const;

    const std::string& version() const { return version_; }
    const std::vector<ArchiveEntry>& entries() const { return entries_; }

private:
    std::filesystem::path path_;
    uint64_t fileSize_ = 0;
    std::string version_;
    std::vector<ArchiveEntry> entries_;
};

}  // namespace morv
