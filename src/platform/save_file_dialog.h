// The rules of the save-file dialog that do not depend on how it is drawn.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace morv {

// One choice of a file dialog's filter: "비트맵 파일 (*.bmp)|*.bmp||" holds the
// label "비트맵 파일 (*.bmp)" with the patterns "*.bmp" (several are split by ';').
struct FileFilter {
    std::string label;
    std::vector<std::string> patterns;
};

std::vector<FileFilter> parseFileFilter(std::string_view filter);

// Whether a file name matches a pattern of the form "*.ext" or "*" (letter case ignored).
bool matchesPattern(std::string_view name, std::string_view pattern);

// The name with `extension` (".bmp") added when its last part has no extension.
std::string withDefaultExtension(std::string_view name, std::string_view extension);

// The question asked before an existing file is replaced.
std::string overwriteQuestion(std::string_view name);

}  // namespace morv
