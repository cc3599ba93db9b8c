// The Korean test game played by morv-headless against the golden frame that
// the screen draws for it (tests/golden/README.md says how to regenerate it).
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "image/image_decoders.h"
#include "support/headless_run.h"
#include "support/image_files.h"
#include "support/temp_dir.h"

namespace morv::testing {
namespace {

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

TEST(GoldenFrame, AKoreanPageMatchesItsGoldenFrame) {
    const std::filesystem::path golden = std::filesystem::path(MORV_TEST_GAMES).parent_path() / "golden";
    TempDir out;
    auto run = runHeadless(testGame("korean_text"), readFile(golden / "korean_text.events"), out.path());
    ASSERT_EQ(run.exitCode, 0);
    std::string error;
    auto expected = readPng(readFile(golden / "korean_text_window.png"), nullptr, error);
    auto actual = readPng(out.read("golden.png"), nullptr, error);
    ASSERT_TRUE(expected && actual) << error;
    ASSERT_EQ(actual->width, expected->width);
    ASSERT_EQ(actual->height, expected->height);
    // Small differences of shading are tolerated; a glyph moved by one pixel
    // changes hundreds of pixels along its strokes.
    EXPECT_LE(pixelsDifferingBeyond(*expected, *actual, 24), 40);
}

}  // namespace
}  // namespace morv::testing
