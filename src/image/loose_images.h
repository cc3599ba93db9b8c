// Loose image files of the game directory (debug mode).
#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "image/decoded_image.h"
#include "image/image_size.h"

namespace morv {

class FileResolver;

// Loose image files (debug mode): the name decides the decoder. None when the
// file cannot be read or decoded (`pngError` then holds a PNG decoder's error
// text, if any). With `alpha` given, a PNG's alpha channel is returned in it; it
// is left empty otherwise.
std::optional<DecodedImage> decodeLooseImage(const FileResolver& files, std::string_view name, AlphaPlane* alpha,
                                             std::string& pngError);
// A loose image's size: the picture is decoded whole and measured.
std::optional<ImageSize> looseImageSize(const FileResolver& files, std::string_view name, std::string& pngError);

}  // namespace morv
