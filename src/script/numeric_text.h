// Whether a script text stands for a number.
#pragma once
#include <cstdint>
#include <string_view>

namespace morv {

// Whether a script text stands for a number: every byte a decimal digit, except
// that the first may be "-". The empty text counts as a number (0).
bool isNumericText(std::string_view text);

// The decimal value of a script text: leading white space skipped, an optional
// sign, the digits that follow; 0 without digits. Values beyond 32 bits saturate.
int32_t decimalValue(std::string_view text);

}  // namespace morv
