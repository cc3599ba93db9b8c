// Little-endian fields read straight out of a byte string.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace morv {

// Little-endian fields of a byte string; the caller checks that they lie inside it.
inline uint8_t byteAt(std::string_view bytes, size_t at) { return static_cast<uint8_t>(bytes[at]); }
inline uint16_t u16At(std::string_view bytes, size_t at) {
    return static_cast<uint16_t>(byteAt(bytes, at) | byteAt(bytes, at + 1) << 8);
}
inline uint32_t u32At(std::string_view bytes, size_t at) {
    return u16At(bytes, at) | static_cast<uint32_t>(u16At(bytes, at + 2)) << 16;
}
inline int32_t i32At(std::string_view bytes, size_t at) { return static_cast<int32_t>(u32At(bytes, at)); }

}  // namespace morv
