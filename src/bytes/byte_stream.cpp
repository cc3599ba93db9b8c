// Little-endian writing and bounded reading of a byte stream.
#include "bytes/byte_stream.h"

#include "bytes/byte_fields.h"

namespace morv {

void ByteStream::startCapacity(size_t capacity) {
    capacity_ = capacity;
    bytes_.reserve(capacity);
}

void ByteStream::writeBytes(std::string_view bytes) {
    if (bytes_.size() + bytes.size() >= capacity_) capacity_ += bytes.size();
    bytes_.append(bytes);
}

void ByteStream::writeU8(uint8_t value) {
    const char field[1] = {static_cast<char>(value)};
    writeBytes({field, 1});
}

void ByteStream::writeU16(uint16_t value) {
    const char field[2] = {static_cast<char>(value), static_cast<char>(value >> 8)};
    writeBytes({field, 2});
}

void ByteStream::writeU32(uint32_t value) {
    const char field[4] = {static_cast<char>(value), static_cast<char>(value >> 8), static_cast<char>(value >> 16),
                           static_cast<char>(value >> 24)};
    writeBytes({field, 4});
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
