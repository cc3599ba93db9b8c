// Finding game files by Windows-style names on a case-sensitive file system.
#include "platform/file_resolver.h"

#include <fstream>
#include <sstream>
#include <system_error>
#include <vector>

#include "platform/cp949.h"

namespace fs = std::filesystem;

namespace morv {
namespace {

// Splits at '/' after turning backslashes into slashes.
std::vector<std::string> components(std::string_view path) {
    std::vector<std::string> parts;
    std::string current;
    for (char c : path) {
        if (c == '\\' || c == '/') {
            parts.push_back(current);
            current.clear();
        } else {
            current += c;
        }
    }
    parts.push_back(current);
    return parts;
}

bool present(const fs::path& p) {
    std::error_code ec;
    return fs::symlink_status(p, ec).type() != fs::file_type::not_found && !ec;
}

// The entry of `dir` whose name equals one of the spellings without regard to case.
std::optional<fs::path> matchInDirectory(const fs::path& dir, const std::string& utf8, const std::string& raw) {
    std::error_code ec;
    fs::directory_iterator it(dir.empty() ? fs::path(".") : dir, ec);
    if (ec) return std::nullopt;
    for (const auto& entry : it) {
        std::string name = entry.path().filename().string();
        // Folding ASCII in UTF-8 is safe: continuation bytes are never ASCII.
        if (cp949::equalsIgnoreCase(name, utf8) || cp949::equalsIgnoreCase(name, raw)) return dir / name;
    }
    return std::nullopt;
}

}  // namespace

FileResolver::FileResolver(fs::path root) : root_(std::move(root)) {}

std::optional<fs::path> FileResolver::resolve(std::string_view gameName, bool forCreate) const {
    if (gameName.empty()) return std::nullopt;
    std::vector<std::string> rawParts = components(gameName);
    std::vector<std::string> utf8Parts = components(cp949::toUtf8(gameName));
    if (rawParts.size() != utf8Parts.size()) rawParts = utf8Parts;

    fs::path current = root_;
    size_t first = 0;
    if (utf8Parts.size() > 1 && utf8Parts[0].empty()) {  // an absolute path
        current = "/";
        first = 1;
    }
    for (size_t i = first; i < utf8Parts.size(); ++i) {
        const std::string& part = utf8Parts[i];
        if (part.empty() || part == ".") continue;
        if (part == "..") {
            current /= "..";
            continue;
        }
        fs::path exact = current / part;
        if (present(exact)) {
            current = exact;
            continue;
        }
        if (auto match = matchInDirectory(current, part, rawParts[i])) {
            current = *match;
            continue;
        }
        if (!forCreate) return std::nullopt;
        current = exact;
    }
    return current;
}

std::optional<fs::path> FileResolver::find(std::string_view gameName) const { return resolve(gameName, false); }

fs::path FileResolver::pathForCreate(std::string_view gameName) const {
    return resolve(gameName, true).value_or(root_ / cp949::toUtf8(gameName));
}

std::optional<std::string> FileResolver::readAll(std::string_view gameName) const {
    auto path = find(gameName);
    if (!path) return std::nullopt;
    std::error_code ec;
    if (!fs::is_regular_file(*path, ec)) return std::nullopt;
    std::ifstream in(*path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (in.bad()) return std::nullopt;
    return std::move(bytes).str();
}

bool FileResolver::writeAll(std::string_view gameName, std::string_view bytes) const {
    fs::path target = pathForCreate(gameName);
    fs::path temporary = target;
    temporary += ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            out.close();
            std::error_code ignored;
            fs::remove(temporary, ignored);
            return false;
        }
    }
    std::error_code ec;
    fs::rename(temporary, target, ec);
    if (ec) {
        fs::remove(temporary, ec);
        return false;
    }
    return true;
}

bool FileResolver::remove(std::string_view gameName) const {
    auto path = find(gameName);
    if (!path) return false;
    std::error_code ec;
    return fs::remove(*path, ec);
}

bool FileResolver::makeDirectory(std::string_view gameName) const {
    fs::path path = pathForCreate(gameName);
    std::error_code ec;
    if (fs::is_directory(path, ec)) return true;
    fs::create_directories(path, ec);
    return fs::is_directory(path, ec);
}

}  // namespace morv
