// Rows and short pieces of rows copied between two different surfaces.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <type_traits>

namespace morv {

// Long rows go in pieces: the C library copies blocks of 2 KiB and more with a
// string instruction that some processors run ten times slower when source and
// destination lie half a cache line apart.
inline void copyRow(uint8_t* out, const uint8_t* in, size_t bytes) {
    constexpr size_t kPiece = 1024;
    for (; bytes > kPiece; bytes -= kPiece, out += kPiece, in += kPiece) std::memcpy(out, in, kPiece);
    std::memcpy(out, in, bytes);
}

// A short piece, such as the side of a row, copied without a call: two copies of
// one fixed size, overlapping in the middle, cover any length from that size to
// twice it. Longer pieces go to copyRow.
inline void copyShort(uint8_t* out, const uint8_t* in, size_t bytes) {
    const auto twoOf = [out, in, bytes](auto size) {
        std::memcpy(out, in, size);
        std::memcpy(out + bytes - size, in + bytes - size, size);
    };
    if (bytes > 64) {
        copyRow(out, in, bytes);
    } else if (bytes >= 32) {
        twoOf(std::integral_constant<size_t, 32>{});
    } else if (bytes >= 16) {
        twoOf(std::integral_constant<size_t, 16>{});
    } else if (bytes >= 8) {
        twoOf(std::integral_constant<size_t, 8>{});
    } else if (bytes >= 4) {
        twoOf(std::integral_constant<size_t, 4>{});
    } else {
        for (size_t i = 0; i < bytes; ++i) out[i] = in[i];
    }
}

}  // namespace morv
