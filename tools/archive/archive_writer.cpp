// Writing the archive header, table and entry data.
#include "archive/archive_writer.h"

#include <fstream>
#include <unistd.h>

#include "archive/tool_error.h"
#include "platform/cp949.h"
#include "bytes/byte_stream.h"

namespace fs = std::filesystem;

namespace morv::tools {

void ArchiveWriter::add(PackedEntry entry) {
    const std::string shownName = cp949::toUtf8(entry.name);
    for (const PackedEntry& earlier : entries_) {
        if (archive_format::namesMatch(earlier.name, entry.name)) {
            throw ToolError("\"" + shownName + "\" collides with \"" + cp949::toUtf8(earlier.name) +
                            "\": the engine does not tell names apart by case");
        }
    }
    if (entry.storedSize > archive_format::kMaxArchiveBytes || entry.unpackedSize > archive_format::kMaxArchiveBytes) {
        throw ToolError("\"" + shownName + "\" is larger than the 4 GiB an archive entry can hold");
    }
    const uint64_t grown =
        archiveBytes_ + archive_format::kEntryFixedBytes + entry.name.size() + entry.storedSize;
    if (grown > maxArchiveBytes_) {
        throw ToolError("adding \"" + shownName + "\" makes the archive larger than the 4 GiB its offsets can address");
    }
    archiveBytes_ = grown;
    entries_.push_back(std::move(entry));
}

void ArchiveWriter::writeTo(std::ostream& out) const {
    uint64_t offset = archive_format::kHeaderBytes;
    for (const PackedEntry& entry : entries_) offset += archive_format::kEntryFixedBytes + entry.name.size();

    ByteStream table;
    table.writeBytes(archive_format::kMagic);
    table.writeBytes(archive_format::kVersion);
    table.writeU32(static_cast<uint32_t>(entries_.size()));
    for (const PackedEntry& entry : entries_) {
        table.writeU32(static_cast<uint32_t>(entry.name.size()));
        table.writeBytes(entry.name);
        table.writeU32(static_cast<uint32_t>(offset));
        table.writeU32(static_cast<uint32_t>(entry.unpackedSize));
        table.writeU32(static_cast<uint32_t>(entry.storedSize));
        table.writeU8(entry.type);
        offset += entry.storedSize;
    }
    out.write(table.bytes().data(), static_cast<std::streamsize>(table.bytes().size()));

    for (const PackedEntry& entry : entries_) {
        if (entry.storedSize == 0) continue;
        if (entry.source.empty()) {
            out.write(entry.data.data(), static_cast<std::streamsize>(entry.data.size()));
            continue;
        }
        std::ifstream in(entry.source, std::ios::binary);
        out << in.rdbuf();
        // The file must still hold exactly the bytes the table announced.
        if (!in || static_cast<uint64_t>(in.tellg()) != entry.storedSize) {
            throw ToolError("\"" + entry.source.string() + "\" changed or could not be read while packing");
        }
    }
}

void ArchiveWriter::write(const fs::path& path) const {
    const fs::path temporary = path.string() + ".tmp" + std::to_string(::getpid());
    try {
        {
            std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
            if (!out) throw ToolError("cannot create \"" + temporary.string() + "\"");
            writeTo(out);
            out.flush();
            if (!out) throw ToolError("cannot write \"" + temporary.string() + "\"");
        }
        fs::rename(temporary, path);
    } catch (const fs::filesystem_error& error) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        throw ToolError("cannot replace \"" + path.string() + "\": " + error.code().message());
    } catch (...) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        throw;
    }
}

}  // namespace morv::tools
