// The Flash file header and its plain, zlib (CWS) or LZMA (ZWS) compressed body.
#include "flash/swf_file.h"

#include <lzma.h>
#include <zlib.h>

#include <algorithm>
#include <climits>
#include <cstring>

#include "flash/swf_limits.h"
#include "flash/swf_reader.h"

namespace morv::swf {

namespace {

constexpr size_t kPlainHeaderSize = 8;  // signature, version, file length
constexpr size_t kFirstOutputChunk = 64 << 10;

// Makes room after the `produced` bytes of `out`, doubling up to `size`: the
// output grows as the decoder fills it, so a size claimed by a few damaged
// bytes allocates nothing until data arrives to fill it.
void growOutput(std::string& out, size_t produced, size_t size) {
    if (produced < out.size()) return;
    out.resize(std::min(size, std::max(kFirstOutputChunk, produced * 2)));
}

std::optional<std::string> unLzmaExactly(std::string_view bytes, size_t size) {
    // ZWS stores the compressed length, then the five LZMA property bytes and the raw
    // stream; the decoder wants the classic header of properties and 64-bit size.
    if (bytes.size() < 4 + 5) return std::nullopt;
    std::string alone(bytes.substr(4, 5));
    for (int i = 0; i < 8; ++i) alone.push_back(static_cast<char>((uint64_t{size} >> (8 * i)) & 0xff));
    alone.append(bytes.substr(9));

    lzma_stream stream = LZMA_STREAM_INIT;
    if (lzma_alone_decoder(&stream, UINT64_MAX) != LZMA_OK) return std::nullopt;
    std::string out;
    size_t produced = 0;
    stream.next_in = reinterpret_cast<const uint8_t*>(alone.data());
    stream.avail_in = alone.size();
    lzma_ret result = LZMA_OK;
    while (result == LZMA_OK && produced < size) {
        growOutput(out, produced, size);
        stream.next_out = reinterpret_cast<uint8_t*>(out.data()) + produced;
        stream.avail_out = out.size() - produced;
        result = lzma_code(&stream, LZMA_FINISH);
        produced = out.size() - stream.avail_out;
    }
    lzma_end(&stream);
    if (produced < size) return std::nullopt;
    return out;
}

}  // namespace

std::optional<std::string> inflateExactly(std::string_view compressed, size_t size) {
    z_stream stream{};
    if (inflateInit(&stream) != Z_OK) return std::nullopt;
    std::string out;
    size_t produced = 0;
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(compressed.data()));
    // Both sides are fed in pieces so that sizes beyond 32 bits never truncate.
    int result = Z_OK;
    size_t inLeft = compressed.size();
    while (result == Z_OK && produced < size) {
        growOutput(out, produced, size);
        const uInt inChunk = static_cast<uInt>(std::min<size_t>(inLeft, UINT_MAX));
        const uInt outChunk = static_cast<uInt>(std::min<size_t>(out.size() - produced, UINT_MAX));
        stream.next_out = reinterpret_cast<Bytef*>(out.data()) + produced;
        stream.avail_in = inChunk;
        stream.avail_out = outChunk;
        result = inflate(&stream, Z_NO_FLUSH);
        inLeft -= inChunk - stream.avail_in;
        produced += outChunk - stream.avail_out;
        if (result == Z_BUF_ERROR && inLeft == 0) break;
    }
    inflateEnd(&stream);
    if (produced < size) return std::nullopt;
    return out;
}

std::optional<MovieFile> readMovieFile(std::string_view bytes) {
    if (bytes.size() < kPlainHeaderSize) return std::nullopt;
    const std::string_view signature = bytes.substr(1, 2);
    const char kind = bytes[0];
    if (signature != "WS" || (kind != 'F' && kind != 'C' && kind != 'Z')) return std::nullopt;
    Reader head(bytes.substr(0, kPlainHeaderSize));
    head.skip(3);
    MovieFile movie;
    movie.header.version = head.u8();
    const uint32_t fileLength = head.u32();
    if (fileLength < kPlainHeaderSize || fileLength > kMaxMovieBytes) return std::nullopt;
    const size_t bodySize = fileLength - kPlainHeaderSize;
    const std::string_view stored = bytes.substr(kPlainHeaderSize);

    std::string body;
    if (kind == 'F') {
        // A file cut short is refused rather than played as far as it goes.
        if (stored.size() < bodySize) return std::nullopt;
        body.assign(stored.substr(0, bodySize));
    } else {
        auto unpacked = kind == 'C' ? inflateExactly(stored, bodySize) : unLzmaExactly(stored, bodySize);
        if (!unpacked) return std::nullopt;
        body = std::move(*unpacked);
    }

    try {
        Reader reader(body);
        movie.header.frameSize = reader.rect();
        movie.header.frameRate = reader.u16();
        movie.header.frameCount = reader.u16();
        movie.tags = body.substr(reader.position());
    } catch (const FormatError&) {
        return std::nullopt;
    }
    return movie;
}

}  // namespace morv::swf
