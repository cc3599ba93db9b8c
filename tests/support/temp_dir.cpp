// Temporary directories for tests.
#include "support/temp_dir.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "platform/cp949.h"

namespace fs = std::filesystem;

namespace morv::testing {

TempDir::TempDir() {
    std::string pattern = (fs::temp_directory_path() / "morv-test-XXXXXX").string();
    if (char* made = mkdtemp(pattern.data())) path_ = made;
}

TempDir::~TempDir() {
    std::error_code ec;
    if (!path_.empty()) fs::remove_all(path_, ec);
}

fs::path TempDir::write(const std::string& relative, std::string_view bytes) const {
    fs::path file = path_ / relative;
    fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return file;
}

std::string TempDir::read(const std::string& relative) const { return readFile(path_ / relative); }

CurrentDirectory::CurrentDirectory(const fs::path& path) : previous_(fs::current_path()) { fs::current_path(path); }

CurrentDirectory::~CurrentDirectory() {
    std::error_code ec;
    fs::current_path(previous_, ec);
}

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::string cp949(std::string_view utf8) { return morv::cp949::fromUtf8(utf8); }

}  // namespace morv::testing
