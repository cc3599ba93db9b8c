// Little-endian writing and bounded reading of a byte stream.
#include "bytes/byte_stream.h"

#include "bytes/byte_fields.h"

namespace morv {

void ByteStream::writeU8(uint8_t value) { bytes_.push_back(static_cast<char>(value)); }

void ByteStream::writeU16(uint16_t value) {
    writeU8(static_cast<uint8_t>(value));
    writeU8(static_cast<uint8_t>(value >> 8));
}

void ByteStream::writeU32(uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) writeU8(static_cast<uint8_t>(value >> shift));
}

const unsigned char* ByteStream::take(size_t count) {
    if (count > remaining()) return nullptr;
    const auto* at = reinterpret_cast<const unsigned char*>(bytes_.data()) + position_;
    position_ += count;
    return at;
}

bool ByteStream::readU8(uint8_t& value) {
    const size_t at = position_;
    if (!take(1)) return false;
    value = byteAt(bytes_, at);
    return true;
}

bool ByteStream::readU16(uint16_t& value) {
    const size_t at = position_;
    if (!take(2)) return false;
    value = u16At(bytes_, at);
    return true;
}

bool ByteStream::readU32(uint32_t& value) {
    const size_t at = position_;
    if (!take(4)) return false;
    value = u32At(bytes_, at);
    return true;
}

bool ByteStream::readI32(int32_t& value) {
    uint32_t raw;
    if (!readU32(raw)) return false;
    value = static_cast<int32_t>(raw);
    return true;
}

bool ByteStream::readBytes(size_t count, std::string& out) {
    const unsigned char* p = take(count);
    if (!p) return false;
    out.assign(reinterpret_cast<const char*>(p), count);
    return true;
}

bool ByteStream::skip(size_t count) { return take(count) != nullptr; }

}  // namespace morv
