// Window icons and pointer shapes from .ico, .cur, BMP and PNG files.
#pragma once
#include <optional>
#include <string_view>

#include "platform/rgba_picture.h"

namespace morv {

// Reads an icon (.ico) or cursor (.cur) file: of its images the one whose size
// is closest to `preferredSide` (the larger one on a tie), stored as PNG or as a
// bitmap of 1, 4, 8, 24 or 32 bits with its transparency mask. A cursor keeps
// its hot spot. None when the file is malformed.
std::optional<RgbaPicture> readIconFile(std::string_view bytes, int preferredSide);

// A BMP (opaque) or PNG (with its alpha channel) file as a picture; none when malformed.
std::optional<RgbaPicture> readPicture(std::string_view bytes);

// An icon or cursor file when it starts like one, else a BMP or PNG picture.
std::optional<RgbaPicture> readIconOrPicture(std::string_view bytes, int preferredSide);

}  // namespace morv
