// Listing and extracting archive entries safely.
#include "archive/archive_extractor.h"

#include "archive/tool_error.h"
#include "image/image_decoders.h"
#include "image/screen_capture.h"
#include "platform/cp949.h"

namespace fs = std::filesystem;

namespace morv::tools {
namespace {

const char* typeName(uint8_t type) {
    switch (type) {
        case ArchiveEntry::Raw: return "raw";
        case ArchiveEntry::Bmp: return "bmp";
        case ArchiveEntry::Png: return "png";
        case ArchiveEntry::Compressed: return "zlib";
        default: return "invalid";
    }
}

}  // namespace

std::optional<fs::path> extractionPath(std::string_view entryName, const fs::path& outDir) {
    const std::string name = cp949::toUtf8(entryName);
    if (name.empty() || name[0] == '/' || name[0] == '\\') return std::nullopt;
    if (name.size() >= 2 && name[1] == ':') return std::nullopt;  // a drive letter
    fs::path path = outDir;
    size_t start = 0;
    bool named = false;
    while (start <= name.size()) {
        const size_t end = std::min(name.find_first_of("/\\", start), name.size());
        const std::string component = name.substr(start, end - start);
        if (component == "..") return std::nullopt;
        if (!component.empty() && component != ".") {
            path /= component;
            named = true;
        }
        start = end + 1;
    }
    if (!named) return std::nullopt;
    return path;
}

std::string extractedContent(const ImageArchive& archive, const ArchiveEntry& entry) {
    std::string bytes;
    const std::string shownName = cp949::toUtf8(entry.name);
    if (entry.type > ArchiveEntry::Compressed) throw ToolError("\"" + shownName + "\" has the invalid type " +
                                                               std::to_string(entry.type));
    const bool read = entry.type == ArchiveEntry::Compressed ? archive.readInflated(entry, bytes)
                                                             : archive.readStored(entry, bytes);
    if (!read) throw ToolError("\"" + shownName + "\" cannot be read from the archive");
    // The engine skips a BMP entry's file header, so it may be missing or wrong:
    // such an entry is written back with a fresh one.
    if (entry.type == ArchiveEntry::Bmp && !bytes.starts_with("BM")) {
        auto image = readArchiveBmp(bytes);
        if (!image) throw ToolError("\"" + shownName + "\" is not a readable BMP entry");
        bytes = encodeBmpFile(*image);
    }
    return bytes;
}

std::string listingLine(const ArchiveEntry& entry) {
    return cp949::toUtf8(entry.name) + "\t" + typeName(entry.type) + "\t" + std::to_string(entry.unpackedSize) + "\t" +
           std::to_string(entry.storedSize) + "\t" + std::to_string(entry.offset);
}

}  // namespace morv::tools
