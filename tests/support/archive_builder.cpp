// Building archive files for tests.
#include "support/archive_builder.h"

#include <zlib.h>

#include "support/image_files.h"

namespace morv::testing {

std::string buildArchive(const std::vector<ArchiveItem>& entries, bool magic) {
    std::string header = magic ? "QXA100" : "";
    putU32(header, static_cast<uint32_t>(entries.size()));
    size_t tableSize = 0;
    for (const auto& e : entries) tableSize += 4 + e.name.size() + 13;
    uint32_t offset = static_cast<uint32_t>(header.size() + tableSize);
    std::string table, data;
    for (const auto& e : entries) {
        putU32(table, static_cast<uint32_t>(e.name.size()));
        table += e.name;
        putU32(table, offset);
        putU32(table, e.unpacked ? e.unpacked : static_cast<uint32_t>(e.data.size()));
        putU32(table, static_cast<uint32_t>(e.data.size()));
        table += static_cast<char>(e.type);
        data += e.data;
        offset += static_cast<uint32_t>(e.data.size());
    }
    return header + table + data;
}

std::string deflate(const std::string& text) {
    uLongf size = compressBound(text.size());
    std::string out(size, '\0');
    compress2(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(text.data()), text.size(), 5);
    out.resize(size);
    return out;
}

}  // namespace morv::testing
