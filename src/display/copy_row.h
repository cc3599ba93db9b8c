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

// Consecutive rows of two surfaces with the same pitch, each `bytes` long from
// the start of a row. When both lie alike on cache lines they go as one library
// call, which measured faster than a call or more per row (ZOOM halfway at
// 640x480x16: about a sixth); otherwise row by row, as above.
inline void copyRows(uint8_t* out, const uint8_t* in, size_t pitch, size_t bytes, int rows) {
    constexpr uintptr_t kLineBytes = 64;
    if (rows <= 0) return;
    if ((reinterpret_cast<uintptr_t>(out) - reinterpret_cast<uintptr_t>(in)) % kLineBytes == 0) {
        std::memcpy(out, in, static_cast<size_t>(rows - 1) * pitch + bytes);
        return;
    }
    for (int y = 0; y < rows; ++y) copyRow(out + y * pitch, in + y * pitch, bytes);
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
