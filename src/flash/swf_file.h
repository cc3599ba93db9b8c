// The Flash file header and its plain, zlib (CWS) or LZMA (ZWS) compressed body.
#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "flash/swf_types.h"

namespace morv::swf {

struct FileHeader {
    int version = 0;
    TwipsRect frameSize;
    uint16_t frameRate = 0;  // 8.8 fixed point, frames per second
    uint16_t frameCount = 0;
};

struct MovieFile {
    FileHeader header;
    std::string tags;  // the tag stream after the header
};

// Reads the header and decompresses the body. None when the file is not a Flash
// file, is shorter than its header says, or is bigger than the player accepts.
std::optional<MovieFile> readMovieFile(std::string_view bytes);

// Exactly `size` bytes inflated from zlib data; none when the data ends early or is damaged.
std::optional<std::string> inflateExactly(std::string_view compressed, size_t size);

}  // namespace morv::swf
