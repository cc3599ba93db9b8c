// The stream a saved game and the small stores are written to and read from.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "bytes/byte_stream.h"

namespace morv {

// The bytes of a save file or of one of the installation's small stores, written
// and read as little-endian fields. A saved game's file keeps the first 14 bytes
// (its header) plain and the rest compressed as one zlib stream.
class SaveStream : public ByteStream {
public:
    static constexpr size_t kHeaderSize = 14;
    // Room a saved game's writer starts with.
    static constexpr size_t kInitialCapacity = 0xA0000;
    // A file says how large its body is at most; a larger claim is damage.
    static constexpr uint32_t kMaxBodyBound = 64u << 20;
    static constexpr std::string_view kCompressedPrefix = "MORVSave";
    // Older files hold the whole stream uncompressed.
    static constexpr std::string_view kLegacyPrefix = "MORV Sav";

    using ByteStream::ByteStream;

    // An empty stream for writing a saved game.
    static SaveStream forSaving();
    // The file of a saved game written into this stream: the header as it is, the
    // compressed body's length, the capacity, then the compressed body. None when
    // the stream is shorter than a header or zlib fails.
    std::optional<std::string> fileBytes() const;
    // The stream a save file holds, read from its start (header included). None
    // when the prefix is unknown, a length runs past the end of the file, the size
    // bound is absurd or the body does not inflate.
    static std::optional<SaveStream> fromFileBytes(std::string_view file);
};

}  // namespace morv
