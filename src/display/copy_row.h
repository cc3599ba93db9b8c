// A row of pixels copied between two different surfaces.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace morv {

// Long rows go in pieces: the C library copies blocks of 2 KiB and more with a
// string instruction that some processors run ten times slower when source and
// destination lie half a cache line apart.
inline void copyRow(uint8_t* out, const uint8_t* in, size_t bytes) {
    constexpr size_t kPiece = 1024;
    for (; bytes > kPiece; bytes -= kPiece, out += kPiece, in += kPiece) std::memcpy(out, in, kPiece);
    std::memcpy(out, in, bytes);
}

}  // namespace morv
