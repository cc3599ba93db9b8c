// A page of Korean text against its golden frame (tests/golden/README.md says how
// to regenerate it).
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
    auto run = runHeadless(testGame("korean_page"), readFile(golden / "korean_page.events"), out.path());
    ASSERT_EQ(run.exitCode, 0);
    std::string error;
    auto expected = readPng(readFile(golden / "korean_page.png"), nullptr, error);
    auto actual = readPng(out.read("page.png"), nullptr, error);
    ASSERT_TRUE(expected && actual) << error;
    ASSERT_EQ(actual->width, expected->width);
    ASSERT_EQ(actual->height, expected->height);
    // Small differences of shading are tolerated; a glyph moved by one pixel
    // changes hundreds of pixels along its strokes.
    int differing = 0;
    int glyphPixels = 0;
    for (int y = 0; y < expected->height; ++y) {
        for (int x = 0; x < expected->width; ++x) {
            Bgr e = pixelAt(*expected, x, y);
            Bgr a = pixelAt(*actual, x, y);
            int d = std::max({std::abs(e.red - a.red), std::abs(e.green - a.green), std::abs(e.blue - a.blue)});
            if (d > 48) ++differing;
            if (e.red > 200 && e.green > 180 && e.blue < 160) ++glyphPixels;  // the speaker's yellow strokes
        }
    }
    EXPECT_GT(glyphPixels, 1000);
    EXPECT_LE(differing, 60);
}

}  // namespace
}  // namespace morv::testing
