// Bitmaps of a Flash file: lossless (zlib) and JPEG, with an optional alpha plane.
#pragma once
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace morv::swf {

// Pixels as premultiplied 0xAARRGGBB words, row after row without padding.
struct Bitmap {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;
};

bool isAcceptableBitmapSize(long long width, long long height);

// The body of DefineBitsLossless (version 1) or DefineBitsLossless2 (version 2)
// after the character id; none when it is damaged or too big.
std::optional<Bitmap> decodeLossless(std::string_view body, int version);

// A JPEG picture; `tables` (from JPEGTables) is put in front when the picture has
// none of its own. `alpha` is the zlib-compressed alpha plane of DefineBitsJPEG3,
// or empty.
std::optional<Bitmap> decodeJpeg(std::string_view jpeg, std::string_view tables, std::string_view alpha);

}  // namespace morv::swf
