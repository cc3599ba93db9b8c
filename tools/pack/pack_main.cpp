// morv-pack ARCHIVE [--scenarios] [--root DIR] DIR_OR_FILES...
// Packs pictures (or, with --scenarios, scenario texts) into an archive the engine
// reads outside debug mode. Entry names are paths relative to DIR (default: the
// current directory, which should be the game directory).
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "archive/archive_writer.h"
#include "archive/pack_source.h"
#include "archive/tool_error.h"

namespace fs = std::filesystem;

namespace {

int usage(const std::string& message) {
    std::fprintf(stderr, "morv-pack: %s\nusage: morv-pack ARCHIVE [--scenarios] [--root DIR] DIR_OR_FILES...\n",
                 message.c_str());
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return usage("no archive named");
    const fs::path archivePath = argv[1];
    fs::path root = fs::current_path();
    bool scenarios = false;
    std::vector<fs::path> inputs;
    for (int i = 2; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--scenarios") {
            scenarios = true;
        } else if (argument == "--root" && i + 1 < argc) {
            root = argv[++i];
        } else if (argument.starts_with("--")) {
            return usage("unknown option " + argument);
        } else {
            inputs.emplace_back(argument);
        }
    }
    try {
        morv::tools::ArchiveWriter writer;
        for (const fs::path& file : morv::tools::collectPackFiles(inputs, archivePath)) {
            writer.add(morv::tools::prepareEntry(file, morv::tools::entryNameFor(file, root), scenarios));
        }
        writer.write(archivePath);
        std::printf("%zu entries written to %s\n", writer.entries().size(), archivePath.string().c_str());
        return 0;
    } catch (const morv::tools::ToolError& error) {
        std::fprintf(stderr, "morv-pack: %s\n", error.what());
    } catch (const fs::filesystem_error& error) {
        std::fprintf(stderr, "morv-pack: %s\n", error.what());
    }
    return 1;
}
