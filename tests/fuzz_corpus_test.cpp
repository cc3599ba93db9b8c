// Every committed fuzz input and reproducer runs through its reader without a fault.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "fuzz_targets.h"
#include "support/temp_dir.h"

namespace morv {
namespace {

namespace fs = std::filesystem;

std::string fileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return std::move(bytes).str();
}

// Every committed seed and every reproducer of a fault once found runs through its
// reader under the sanitizers; a target breaking a promise ends the run.
class FuzzCorpus : public ::testing::TestWithParam<fuzz::Target> {};

TEST_P(FuzzCorpus, EveryCommittedInputReadsSafely) {
    const fuzz::Target& target = GetParam();
    int inputs = 0;
    for (const char* kind : {"corpus", "reproducers"}) {
        const fs::path dir = fs::path(MORV_FUZZ_DIR) / kind / target.name;
        if (!fs::is_directory(dir)) continue;
        for (const auto& entry : fs::directory_iterator(dir)) {
            SCOPED_TRACE(entry.path().string());
            testing::TempDir scratch;
            testing::CurrentDirectory inScratch(scratch.path());
            target.run(fileBytes(entry.path()));
            ++inputs;
        }
    }
    EXPECT_GT(inputs, 0) << "every target has seeds committed";
}

INSTANTIATE_TEST_SUITE_P(Readers, FuzzCorpus, ::testing::ValuesIn(fuzz::targets().begin(), fuzz::targets().end()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace morv
