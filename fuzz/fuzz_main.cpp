// The libFuzzer program of one reader; MORV_FUZZ_TARGET names it.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "fuzz_targets.h"

namespace {

const morv::fuzz::Target* target = nullptr;
std::string scratch;

// Corpus directories and the artifact prefix are made absolute before the
// scratch directory becomes the current directory.
void makePathsAbsolute(int argc, char** argv) {
    static std::vector<std::string> kept;
    kept.reserve(static_cast<size_t>(argc));
    const std::string here = std::filesystem::current_path().string() + "/";
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        const std::string prefixOption = "-artifact_prefix=";
        if (arg.rfind(prefixOption, 0) == 0 && arg.size() > prefixOption.size() && arg[prefixOption.size()] != '/') {
            arg.insert(prefixOption.size(), here);
        } else if (!arg.empty() && arg[0] != '-' && arg[0] != '/') {
            arg.insert(0, here);
        } else {
            continue;
        }
        kept.push_back(std::move(arg));
        argv[i] = kept.back().data();
    }
}

void removeScratch() {
    std::error_code ignored;
    std::filesystem::remove_all(scratch, ignored);
}

}  // namespace

// Readers of game files write them into the current directory: a scratch
// directory of our own keeps them away from the caller's files. It lies in
// memory where the machine offers it, so that a file per input costs no disk.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    std::error_code ec;
    scratch = std::filesystem::is_directory("/dev/shm", ec) ? "/dev/shm/morv-fuzz-XXXXXX" : "/tmp/morv-fuzz-XXXXXX";
    makePathsAbsolute(*argc, *argv);
    target = morv::fuzz::findTarget(MORV_FUZZ_TARGET);
    if (!target) {
        std::fprintf(stderr, "no fuzz target named %s\n", MORV_FUZZ_TARGET);
        std::exit(2);
    }
    if (!mkdtemp(scratch.data()) || chdir(scratch.c_str()) != 0) {
        std::perror("scratch directory");
        std::exit(2);
    }
    std::atexit(removeScratch);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    target->run(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}

// Fontconfig keeps its configuration and caches until the process ends (a target
// may register a font file); the leak checker is not to report them as ours.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
