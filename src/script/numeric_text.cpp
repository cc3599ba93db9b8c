// Telling numbers from other script texts.
#include "script/numeric_text.h"

#include <limits>

#include "platform/cp949.h"

namespace morv {

namespace {
bool isDigit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

bool isNumericText(std::string_view text) {
    for (size_t i = 0; i < text.size(); ++i) {
        if (!isDigit(text[i]) && !(i == 0 && text[i] == '-')) return false;
    }
    return true;
}

int32_t decimalValue(std::string_view text) {
    text = cp949::trimLeft(text);
    bool negative = false;
    size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    constexpr int64_t kLimit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
    int64_t magnitude = 0;
    for (; i < text.size() && isDigit(text[i]); ++i) {
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > kLimit) magnitude = kLimit;
    }
    if (negative) return static_cast<int32_t>(-magnitude);
    return static_cast<int32_t>(magnitude > kLimit - 1 ? kLimit - 1 : magnitude);
}

}  // namespace morv
