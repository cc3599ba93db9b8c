// The BMP and PNG decoders.
#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "image/decoded_image.h"

namespace morv {

// Decodes a whole PNG file. With `alpha` given and an alpha channel present, the
// channel is kept in *alpha; otherwise *alpha is left empty (width 0). On failure
// returns none with "Not a PNG", "Cannot create png_read_struct" or "error" in
// `error`; a 2-bit paletted PNG is refused with "error".
std::optional<DecodedImage> readPng(std::string_view bytes, AlphaPlane* alpha, std::string& error);

// Decodes a loose BMP file of any common variant (1, 4, 8, 16, 24, 32 bits,
// RLE4 and RLE8, top-down or bottom-up); none when it is malformed.
std::optional<DecodedImage> readBmp(std::string_view bytes);

// Decodes an archive BMP entry: a 14-byte file header (skipped), a 40-byte
// information header and uncompressed 24-bit rows, bottom row first.
std::optional<DecodedImage> readArchiveBmp(std::string_view bytes);

// A name that contains ".png" or ".PNG" anywhere is a PNG; every other name is a BMP.
bool isPngName(std::string_view name);

}  // namespace morv
