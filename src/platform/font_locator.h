// Font files found by family name.
#pragma once
#include <string>
#include <string_view>

namespace morv {

// A font file and the index of the face inside it.
struct FontFile {
    std::string path;
    int faceIndex = 0;
};

// Finds the font file of a face name (UTF-8) with the system's font configuration.
// A name the system does not know (Windows faces such as "굴림체") falls back to a
// Korean face, NanumGothic when installed. An empty path means no font at all.
FontFile locateFontFile(std::string_view faceName);

}  // namespace morv
