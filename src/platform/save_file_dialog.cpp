// Filters, default extensions and the overwrite question of the save-file dialog.
#include "platform/save_file_dialog.h"

#include <algorithm>
#include <cctype>
#include <cstddef>

namespace morv {

namespace {

std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    size_t start = 0;
    while (true) {
        size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    return parts;
}

bool endsWithIgnoringCase(std::string_view text, std::string_view tail) {
    if (tail.size() > text.size()) return false;
    return std::equal(tail.begin(), tail.end(), text.end() - static_cast<std::ptrdiff_t>(tail.size()),
                      [](char a, char b) {
                          return std::tolower(static_cast<unsigned char>(a)) ==
                                 std::tolower(static_cast<unsigned char>(b));
                      });
}

}  // namespace

std::vector<FileFilter> parseFileFilter(std::string_view filter) {
    std::vector<FileFilter> filters;
    std::vector<std::string_view> parts = split(filter, '|');
    // Label and pattern alternate; the list ends at the first empty label.
    for (size_t i = 0; i + 1 < parts.size() && !parts[i].empty(); i += 2) {
        FileFilter entry{std::string(parts[i]), {}};
        for (std::string_view pattern : split(parts[i + 1], ';')) {
            if (!pattern.empty()) entry.patterns.emplace_back(pattern);
        }
        filters.push_back(std::move(entry));
    }
    return filters;
}

bool matchesPattern(std::string_view name, std::string_view pattern) {
    if (pattern == "*" || pattern == "*.*") return true;
    if (pattern.size() > 1 && pattern[0] == '*') return endsWithIgnoringCase(name, pattern.substr(1));
    return name.size() == pattern.size() && endsWithIgnoringCase(name, pattern);
}

std::string withDefaultExtension(std::string_view name, std::string_view extension) {
    std::string result(name);
    size_t lastPart = result.find_last_of('/');
    size_t base = lastPart == std::string::npos ? 0 : lastPart + 1;
    // A leading dot (".hidden") is no extension.
    size_t dot = result.find('.', base + 1);
    if (base < result.size() && dot == std::string::npos) result += extension;
    return result;
}

std::string overwriteQuestion(std::string_view name) {
    return std::string(name) + "이(가) 이미 있습니다.\n바꾸시겠습니까?";
}

}  // namespace morv
