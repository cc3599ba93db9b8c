// Choosing, naming and typing the files morv-pack packs.
#include "archive/pack_source.h"

#include <zlib.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "archive/tool_error.h"
#include "bytes/byte_fields.h"
#include "image/decoded_image.h"
#include "image/image_archive.h"
#include "image/image_decoders.h"
#include "image/screen_capture.h"
#include "platform/cp949.h"

namespace fs = std::filesystem;

namespace morv::tools {
namespace {

constexpr std::string_view kPngSignature = "\x89PNG\r\n\x1A\n";
constexpr size_t kBmpHeadersBytes = 14 + 40;
// Scenario entries are compressed like save bodies.
constexpr int kCompressionLevel = 5;

std::string readWhole(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) throw ToolError("cannot read \"" + file.string() + "\"");
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (!in && !in.eof()) throw ToolError("cannot read \"" + file.string() + "\"");
    return std::move(bytes).str();
}

// The archive's BMP codec reads a 40-byte header and bottom-up 24-bit rows right
// after it; such a file can be stored unchanged.
bool isArchiveReadyBmp(std::string_view bytes) {
    if (bytes.size() < kBmpHeadersBytes || u32At(bytes, 10) != kBmpHeadersBytes || u32At(bytes, 14) != 40) return false;
    const int32_t width = i32At(bytes, 18), height = i32At(bytes, 22);
    if (width <= 0 || height <= 0 || u16At(bytes, 28) != 24 || u32At(bytes, 30) != 0) return false;
    return bytes.size() - kBmpHeadersBytes >= DecodedImage::rowBytesFor(width) * static_cast<uint64_t>(height);
}

std::string compress(const std::string& text, const fs::path& file) {
    uLongf length = compressBound(static_cast<uLong>(text.size()));
    std::string packed(length, '\0');
    if (compress2(reinterpret_cast<Bytef*>(packed.data()), &length, reinterpret_cast<const Bytef*>(text.data()),
                  static_cast<uLong>(text.size()), kCompressionLevel) != Z_OK) {
        throw ToolError("cannot compress \"" + file.string() + "\"");
    }
    packed.resize(length);
    return packed;
}

// A file-system name component in CP949: converted from UTF-8, or kept when it
// already is CP949.
std::string cp949Component(const std::string& component) {
    const std::string converted = cp949::fromUtf8(component);
    if (cp949::toUtf8(converted) == component) return converted;
    if (cp949::fromUtf8(cp949::toUtf8(component)) == component) return component;
    throw ToolError("\"" + component + "\" has no CP949 spelling, so no script can name it");
}

}  // namespace

std::string entryNameFor(const fs::path& file, const fs::path& root) {
    const fs::path relative = fs::weakly_canonical(file).lexically_relative(fs::weakly_canonical(root));
    if (relative.empty() || *relative.begin() == "..") {
        throw ToolError("\"" + file.string() + "\" lies outside the game directory \"" + root.string() + "\"");
    }
    std::string name;
    for (const fs::path& component : relative) {
        if (!name.empty()) name += '\\';
        name += cp949Component(component.string());
    }
    return name;
}

std::vector<fs::path> collectPackFiles(const std::vector<fs::path>& arguments, const fs::path& skip) {
    std::vector<fs::path> files;
    std::error_code ec;
    const fs::path skipped = fs::weakly_canonical(skip, ec);
    auto take = [&](const fs::path& file) {
        if (fs::weakly_canonical(file, ec) != skipped) files.push_back(file);
    };
    for (const fs::path& argument : arguments) {
        if (fs::is_directory(argument)) {
            std::vector<fs::path> below;
            for (const auto& item : fs::recursive_directory_iterator(argument)) {
                if (item.is_regular_file()) below.push_back(item.path());
            }
            std::sort(below.begin(), below.end());
            for (const fs::path& file : below) take(file);
        } else if (fs::is_regular_file(argument)) {
            take(argument);
        } else {
            throw ToolError("\"" + argument.string() + "\" is neither a file nor a directory");
        }
    }
    return files;
}

PackedEntry prepareEntry(const fs::path& file, std::string name, bool scenarios) {
    PackedEntry entry;
    entry.name = std::move(name);
    std::error_code ec;
    const uint64_t fileSize = fs::file_size(file, ec);
    if (ec) throw ToolError("cannot read \"" + file.string() + "\"");
    if (fileSize > archive_format::kMaxArchiveBytes) {
        throw ToolError("\"" + file.string() + "\" is larger than the 4 GiB an archive entry can hold");
    }
    const std::string bytes = readWhole(file);
    if (scenarios) {
        entry.type = ArchiveEntry::Compressed;
        entry.unpackedSize = bytes.size();
        entry.data = compress(bytes, file);
        entry.storedSize = entry.data.size();
        return entry;
    }
    if (bytes.starts_with(kPngSignature)) {
        entry.type = ArchiveEntry::Png;
    } else if (bytes.starts_with("BM")) {
        entry.type = ArchiveEntry::Bmp;
        if (!isArchiveReadyBmp(bytes)) {
            auto image = readBmp(bytes);
            if (!image) throw ToolError("\"" + file.string() + "\" is a BMP file that cannot be read");
            entry.data = encodeBmpFile(*image);
        }
    } else {
        throw ToolError("\"" + file.string() + "\" is neither a BMP nor a PNG picture (scenario texts need --scenarios)");
    }
    if (entry.data.empty()) {
        entry.source = file;
        entry.storedSize = bytes.size();
    } else {
        entry.storedSize = entry.data.size();
    }
    entry.unpackedSize = entry.storedSize;
    return entry;
}

}  // namespace morv::tools
