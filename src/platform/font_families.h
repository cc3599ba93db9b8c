// The font families the settings sheet offers.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

namespace morv {

// The system's scalable outline font families that cover Hangul, in the order
// the font configuration lists them, without the vertical-writing faces (names
// starting with "@"), each once, at most `limit` of them. Names are UTF-8.
std::vector<std::string> hangulFontFamilies(size_t limit);

}  // namespace morv
