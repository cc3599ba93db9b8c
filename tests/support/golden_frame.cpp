// Comparing a morv-headless snapshot with a golden picture under tests/golden.
#include "support/golden_frame.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "image/image_decoders.h"
#include "support/headless_run.h"
#include "support/image_files.h"
#include "support/temp_dir.h"

namespace morv::testing {

namespace fs = std::filesystem;

void expectMatchesGolden(const std::string& game, const std::string& events, const std::string& picture) {
    const fs::path golden = fs::path(MORV_TEST_GAMES).parent_path() / "golden";
    const fs::path picturePath = golden / (picture + ".png");
    TempDir out;
    auto run = runHeadless(testGame(game), readFile(golden / (events + ".events")), out.path());
    ASSERT_EQ(run.exitCode, 0) << events;
    if (std::getenv("MORV_UPDATE_GOLDEN") != nullptr) {
        fs::copy_file(out.path() / "golden.png", picturePath, fs::copy_options::overwrite_existing);
    }
    std::string error;
    auto expected = readPng(readFile(picturePath), nullptr, error);
    auto actual = readPng(out.read("golden.png"), nullptr, error);
    ASSERT_TRUE(expected && actual) << picture << ": " << error;
    ASSERT_EQ(actual->width, expected->width) << picture;
    ASSERT_EQ(actual->height, expected->height) << picture;
    // A glyph moved by one pixel changes hundreds of pixels along its strokes.
    EXPECT_LE(pixelsDifferingBeyond(*expected, *actual, 24), 40) << picture;
}

}  // namespace morv::testing
