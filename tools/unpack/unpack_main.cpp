// morv-unpack ARCHIVE [--out DIR] [--list]
// Lists an archive's entries (name, type, unpacked size, stored size, offset) or
// extracts every entry below DIR (default: the current directory).
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "archive/archive_extractor.h"
#include "archive/tool_error.h"
#include "image/image_archive.h"
#include "platform/cp949.h"
#include "platform/file_resolver.h"

namespace fs = std::filesystem;

namespace {

int usage(const std::string& message) {
    std::fprintf(stderr, "morv-unpack: %s\nusage: morv-unpack ARCHIVE [--out DIR] [--list]\n", message.c_str());
    return 2;
}

// Writes one entry; false after a message when it is refused or fails.
bool extract(const morv::ImageArchive& archive, const morv::ArchiveEntry& entry, const fs::path& outDir) {
    const std::string shownName = morv::cp949::toUtf8(entry.name);
    auto path = morv::tools::extractionPath(entry.name, outDir);
    if (!path) {
        std::fprintf(stderr, "morv-unpack: \"%s\" refused: the name is absolute or leaves the output directory\n",
                     shownName.c_str());
        return false;
    }
    try {
        const std::string bytes = morv::tools::extractedContent(archive, entry);
        fs::create_directories(path->parent_path());
        std::ofstream out(*path, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out.flush()) throw morv::tools::ToolError("cannot write \"" + path->string() + "\"");
        return true;
    } catch (const morv::tools::ToolError& error) {
        std::fprintf(stderr, "morv-unpack: %s\n", error.what());
    } catch (const fs::filesystem_error& error) {
        std::fprintf(stderr, "morv-unpack: %s\n", error.what());
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return usage("no archive named");
    const fs::path archivePath = argv[1];
    fs::path outDir = ".";
    bool list = false;
    for (int i = 2; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--out" && i + 1 < argc) {
            outDir = argv[++i];
        } else if (argument == "--list") {
            list = true;
        } else {
            return usage("unknown argument " + argument);
        }
    }
    try {
        morv::FileResolver files(archivePath.parent_path().empty() ? fs::path(".") : archivePath.parent_path());
        morv::ImageArchive archive(files, archivePath.filename().string());
        bool complete = true;
        for (const morv::ArchiveEntry& entry : archive.entries()) {
            if (list) {
                std::printf("%s\n", morv::tools::listingLine(entry).c_str());
            } else {
                complete = extract(archive, entry, outDir) && complete;
            }
        }
        return complete ? 0 : 1;
    } catch (const morv::ArchiveError& error) {
        std::fprintf(stderr, "morv-unpack: %s\n", error.what());
        return 1;
    }
}
