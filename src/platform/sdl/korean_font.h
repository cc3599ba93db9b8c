// The Korean face the ImGui boxes and menus draw with.
#pragma once
#include <string>

namespace morv {

// The file of the NanumGothic face as fontconfig knows it, else its usual
// Debian path; empty when neither exists.
std::string koreanFontFile();

}  // namespace morv
