// A growable byte string written and read as little-endian fields, refusing reads past its end.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace morv {

// Bytes in a fixed little-endian layout (saves, stores, file headers).
// Writes append little-endian integers and raw bytes at the end; reads consume
// from the position and refuse (returning false, position unchanged) anything
// that would run past the end, so damaged data is never read out of bounds.
// A writer also keeps a capacity: an append that would fill or pass it grows it
// by the size of that append (a saved game records it as the size bound).
class ByteStream {
public:
    ByteStream() = default;
    // A stream to read `bytes` from the start.
    explicit ByteStream(std::string bytes) : bytes_(std::move(bytes)) {}

    void writeU8(uint8_t value);
    void writeU16(uint16_t value);
    void writeU32(uint32_t value);
    void writeI32(int32_t value) { writeU32(static_cast<uint32_t>(value)); }
    void writeBytes(std::string_view bytes);

    bool readU8(uint8_t& value);
    bool readU16(uint16_t& value);
    bool readU32(uint32_t& value);
    bool readI32(int32_t& value);
    // Reads exactly `count` bytes into `out`.
    bool readBytes(size_t count, std::string& out);
    bool skip(size_t count);

    size_t position() const { return position_; }
    size_t remaining() const { return bytes_.size() - position_; }
    const std::string& bytes() const { return bytes_; }
    size_t capacity() const { return capacity_; }

protected:
    // A writer that starts with room for `capacity` bytes.
    void startCapacity(size_t capacity);

private:
    // The next `count` bytes, or null when fewer remain.
    const unsigned char* take(size_t count);

    std::string bytes_;
    size_t position_ = 0;
    size_t capacity_ = 0;
};

}  // namespace morv
