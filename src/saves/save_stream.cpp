// Compressing a saved game into its file and inflating it back.
#include "saves/save_stream.h"

#include <zlib.h>

#include <vector>

#include "bytes/byte_fields.h"

namespace morv {

namespace {

constexpr size_t kLengthsSize = 8;  // compressed length and size bound, 4 bytes each
constexpr int kCompressionLevel = 5;

}  // namespace

SaveStream SaveStream::forSaving() {
    SaveStream stream;
    stream.startCapacity(kInitialCapacity);
    return stream;
}

std::optional<std::string> SaveStream::fileBytes() const {
    const std::string& all = bytes();
    if (all.size() < kHeaderSize || capacity() > UINT32_MAX) return std::nullopt;
    const std::string_view body = std::string_view(all).substr(kHeaderSize);
    uLongf compressedSize = compressBound(static_cast<uLong>(body.size()));
    std::vector<Bytef> compressed(compressedSize);
    if (compress2(compressed.data(), &compressedSize, reinterpret_cast<const Bytef*>(body.data()),
                  static_cast<uLong>(body.size()), kCompressionLevel) != Z_OK) {
        return std::nullopt;
    }
    ByteStream file;
    file.writeBytes(std::string_view(all).substr(0, kHeaderSize));
    file.writeU32(static_cast<uint32_t>(compressedSize));
    file.writeU32(static_cast<uint32_t>(capacity()));
    file.writeBytes({reinterpret_cast<const char*>(compressed.data()), compressedSize});
    return file.bytes();
}

std::optional<SaveStream> SaveStream::fromFileBytes(std::string_view file) {
    if (file.size() < kHeaderSize) return std::nullopt;
    if (file.starts_with(kLegacyPrefix)) return SaveStream(std::string(file));
    if (!file.starts_with(kCompressedPrefix) || file.size() < kHeaderSize + kLengthsSize) return std::nullopt;
    const uint32_t compressedSize = u32At(file, kHeaderSize);
    const uint32_t bound = u32At(file, kHeaderSize + 4);
    const std::string_view compressed = file.substr(kHeaderSize + kLengthsSize);
    if (compressedSize > compressed.size() || bound > kMaxBodyBound) return std::nullopt;
    std::string stream(kHeaderSize + size_t{bound}, '\0');
    stream.replace(0, kHeaderSize, file.substr(0, kHeaderSize));
    uLongf bodySize = bound;
    if (uncompress(reinterpret_cast<Bytef*>(stream.data() + kHeaderSize), &bodySize,
                   reinterpret_cast<const Bytef*>(compressed.data()), compressedSize) != Z_OK) {
        return std::nullopt;
    }
    stream.resize(kHeaderSize + bodySize);
    return SaveStream(std::move(stream));
}

}  // namespace morv
