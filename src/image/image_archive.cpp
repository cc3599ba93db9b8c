// Opening the packed archive and reading its entries, inflated or as stored.
#include "image/image_archive.h"

#include <zlib.h>

#include <algorithm>
#include <fstream>

#include "image/archive_format.h"
#include "platform/file_resolver.h"

namespace morv {
namespace {

// Reads little-endian fields from an in-memory copy of the archive's table.
class TableReader {
public:
    explicit TableReader(std::ifstream& in) : in_(in) {}
    bool bytes(void* out, size_t n) {
        in_.read(static_cast<char*>(out), static_cast<std::streamsize>(n));
        return static_cast<size_t>(in_.gcount()) == n;
    }
    bool u32(uint32_t& v) {
        unsigned char b[4];
        if (!bytes(b, 4)) return false;
        v = b[0] | b[1] << 8 | b[2] << 16 | static_cast<uint32_t>(b[3]) << 24;
        return true;
    }
    bool u8(uint8_t& v) { return bytes(&v, 1); }

private:
    std::ifstream& in_;
};

// The output buffer starts this large (or at the claimed size, when smaller) and
// doubles only as zlib actually fills it.
constexpr size_t kFirstInflateChunk = 64 * 1024;

}  // namespace

ImageArchive::ImageArchive(const FileResolver& files, const std::string& path) {
    const std::string failure = "Cannot create QXA File instance for file " + path;
    auto resolved = files.find(path);
    if (!resolved) throw ArchiveError(failure);
    path_ = *resolved;
    std::ifstream in(path_, std::ios::binary);
    if (!in) throw ArchiveError(failure);
    in.seekg(0, std::ios::end);
    fileSize_ = static_cast<uint64_t>(in.tellg());
    in.seekg(0);

    TableReader reader(in);
    char magic[3] = {};
    if (reader.bytes(magic, 3) && std::string_view(magic, 3) == archive_format::kMagic) {
        char version[3];
        if (!reader.bytes(version, 3)) throw ArchiveError(failure);
        version_.assign(version, 3);
    } else {
        // No magic: no version either, and the entry count starts the file.
        version_ = "100";
        in.clear();
        in.seekg(0);
    }
    uint32_t count = 0;
    if (!reader.u32(count)) throw ArchiveError(failure);
    // Every entry takes at least its fixed fields, which bounds a damaged count.
    if (count > fileSize_ / archive_format::kEntryFixedBytes) throw ArchiveError(failure);
    entries_.reserve(count);
    for (uint32_t i = 0; i < count; ++i) {
        ArchiveEntry entry;
        uint32_t nameLength = 0;
        if (!reader.u32(nameLength) || nameLength > fileSize_) throw ArchiveError(failure);
        entry.name.resize(nameLength);
        if (!reader.bytes(entry.name.data(), nameLength) || !reader.u32(entry.offset) ||
            !reader.u32(entry.unpackedSize) || !reader.u32(entry.storedSize) || !reader.u8(entry.type)) {
            throw ArchiveError(failure);
        }
        entries_.push_back(std::move(entry));
    }
}

const ArchiveEntry* ImageArchive::find(std::string_view name) const {
    for (const auto& entry : entries_) {
        if (archive_format::namesMatch(entry.name, name)) return &entry;
    }
    return nullptr;
}

uint32_t ImageArchive::size(std::string_view name) const {
    const ArchiveEntry* entry = find(name);
    if (!entry) return 0;
    return entry->type == ArchiveEntry::Png ? entry->storedSize : entry->unpackedSize;
}

bool ImageArchive::readStored(const ArchiveEntry& entry, std::string& out) const {
    return readStoredHead(entry, entry.storedSize, out);
}

bool ImageArchive::readStoredHead(const ArchiveEntry& entry, uint32_t count, std::string& out) const {
    if (static_cast<uint64_t>(entry.offset) + entry.storedSize > fileSize_) return false;
    std::ifstream in(path_, std::ios::binary);
    if (!in) return false;
    in.seekg(entry.offset);
    out.resize(std::min(count, entry.storedSize));
    in.read(out.data(), static_cast<std::streamsize>(out.size()));
    return static_cast<size_t>(in.gcount()) == out.size();
}

bool ImageArchive::readRaw(std::string_view name, std::string& out) const {
    const ArchiveEntry* entry = find(name);
    if (!entry || entry->type > ArchiveEntry::Compressed) return false;
    return entry->type == ArchiveEntry::Compressed ? readInflated(*entry, out) : readStored(*entry, out);
}

bool ImageArchive::readInflated(const ArchiveEntry& entry, std::string& out) const {
    if (entry.unpackedSize > kMaxInflatedSize) return false;
    std::string packed;
    if (!readStored(entry, packed)) return false;
    z_stream stream{};
    if (inflateInit(&stream) != Z_OK) return false;
    stream.next_in = reinterpret_cast<Bytef*>(packed.data());
    stream.avail_in = static_cast<uInt>(packed.size());
    // The buffer grows with what zlib produces, never past the claimed size (and one
    // byte that tells a longer stream): a damaged entry cannot make us allocate what
    // its data does not hold.
    const size_t limit = size_t{entry.unpackedSize} + 1;
    std::string unpacked;
    int status = Z_OK;
    while (status == Z_OK) {
        const size_t produced = unpacked.size() - stream.avail_out;
        if (stream.avail_out == 0) {
            if (unpacked.size() == limit) break;
            const size_t grown = std::min(limit, std::max(kFirstInflateChunk, unpacked.size() * 2));
            unpacked.resize(grown);
            stream.next_out = reinterpret_cast<Bytef*>(unpacked.data() + produced);
            stream.avail_out = static_cast<uInt>(grown - produced);
        }
        status = inflate(&stream, Z_NO_FLUSH);
    }
    const size_t produced = unpacked.size() - stream.avail_out;
    inflateEnd(&stream);
    if (status != Z_STREAM_END || produced > entry.unpackedSize) return false;
    unpacked.resize(produced);
    out = std::move(unpacked);
    return true;
}

}  // namespace morv
