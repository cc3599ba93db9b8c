// printf-style formatting of message texts.
#pragma once
#include <string>

namespace morv {

// printf-style formatting of a message text (UTF-8 format; CP949 arguments are
// converted by the caller with cp949::toUtf8 before they are passed).
std::string formatText(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace morv
