// The dialogue window of the korean_text test game, with its one line of Korean
// text and the caret, compared with tests/golden/korean_text_window.png.
//
// Regenerate the golden picture after an intended change of the drawing:
//   MORV_UPDATE_GOLDEN=1 build/test/morv_tests --gtest_filter='ScreenTextGolden.*'
// and look at the new picture before committing it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>

#include "config/config_file.h"
#include "config/game_config.h"
#include "display/screen.h"
#include "image/image_decoders.h"
#include "platform/headless/frame_image.h"
#include "platform/headless/headless_platform.h"
#include "support/headless_run.h"
#include "support/temp_dir.h"

namespace morv {
namespace {

namespace fs = std::filesystem;

fs::path goldenPath() { return fs::path(MORV_TEST_GAMES) / ".." / "golden" / "korean_text_window.png"; }

using testing::readFile;

// The text of the scenario's one "text" line (CP949).
std::string scenarioLine(const fs::path& game) {
    std::istringstream lines(readFile(game / "scenario.txt"));
    for (std::string line; std::getline(lines, line);)
        if (line.rfind("text ", 0) == 0) return line.substr(5);
    return {};
}

std::optional<FrameImage> readFrame(const fs::path& path) {
    std::string error;
    std::optional<DecodedImage> image = readPng(readFile(path), nullptr, error);
    if (!image) return std::nullopt;
    FrameImage frame = FrameImage::filled(image->width, image->height, 0, 0, 0);
    for (int y = 0; y < image->height; ++y) {
        const uint8_t* row = image->rowFromTop(y);
        for (int x = 0; x < image->width; ++x) {
            uint8_t* out = frame.rgb.data() + (static_cast<size_t>(y) * image->width + x) * 3;
            out[0] = row[3 * x + 2];
            out[1] = row[3 * x + 1];
            out[2] = row[3 * x];
        }
    }
    return frame;
}

// Pixels inside the area whose channels differ by more than the tolerance. The
// small changes of rounding from one FreeType release to the next stay under
// the default, a glyph moved by one pixel does not.
int differingPixels(const FrameImage& a, const FrameImage& b, int tolerance = 24,
                    Rect area = {0, 0, 1 << 20, 1 << 20}) {
    area = area.intersected({0, 0, a.width, a.height});
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            const size_t i = (static_cast<size_t>(y) * a.width + x) * 3;
            bool differs = false;
            for (size_t c = 0; c < 3; ++c) differs |= std::abs(int(a.rgb[i + c]) - int(b.rgb[i + c])) > tolerance;
            count += differs;
        }
    }
    return count;
}
constexpr int kAllowedDifferences = 40;

// The frame of the game's start: white scene, the window, the whole line shown
// and the line caret on.
FrameImage renderGameFrame(int depth) {
    const fs::path game = testing::testGame("korean_text");
    HeadlessOptions options;
    options.desktopDepth = depth;
    HeadlessPlatform platform(options);
    testing::CurrentDirectory inGame(game);
    auto config = std::make_unique<GameConfig>();
    EXPECT_TRUE(readGameConfiguration(*config, platform));
    Screen screen(*config, platform);
    EXPECT_EQ(screen.createDisplay(), 0);
    screen.setBackground("WHITE");
    screen.showStage();
    EXPECT_EQ(screen.showMessage(scenarioLine(game), false), Screen::kTextFinished);
    platform.virtualClock().sleep(TextWindow::kCaretBlinkMs + 1);
    screen.blinkCaret(false, false);
    screen.present();
    EXPECT_TRUE(platform.messagesShown().empty());
    return platform.frame();
}

TEST(ScreenTextGolden, KoreanLineInTheDialogueWindowMatchesTheGoldenPicture) {
    const FrameImage frame = renderGameFrame(32);
    if (std::getenv("MORV_UPDATE_GOLDEN")) {
        ASSERT_TRUE(writePng(frame, goldenPath().string()));
        GTEST_SKIP() << "golden picture written to " << goldenPath();
    }
    std::optional<FrameImage> golden = readFrame(goldenPath());
    ASSERT_TRUE(golden) << goldenPath();
    ASSERT_EQ(golden->width, frame.width);
    ASSERT_EQ(golden->height, frame.height);
    const int differences = differingPixels(frame, *golden);
    if (differences > kAllowedDifferences) {
        const fs::path actual = fs::temp_directory_path() / "korean_text_window.actual.png";
        writePng(frame, actual.string());
        ADD_FAILURE() << differences << " pixels differ; this run's picture is " << actual;
    }
}

TEST(ScreenTextGolden, TheComparisonCatchesAGlyphMovedByOnePixel) {
    std::optional<FrameImage> golden = readFrame(goldenPath());
    ASSERT_TRUE(golden) << goldenPath();
    FrameImage moved = *golden;
    // The text line moved one pixel to the right inside the window.
    for (int y = 340; y < 400; ++y) {
        uint8_t* row = moved.rgb.data() + static_cast<size_t>(y) * moved.width * 3;
        for (int x = 600; x > 40; --x)
            for (int c = 0; c < 3; ++c) row[3 * x + c] = row[3 * (x - 1) + c];
    }
    EXPECT_GT(differingPixels(moved, *golden), kAllowedDifferences);
    EXPECT_EQ(differingPixels(*golden, *golden), 0);
}

// Inside the window a 16-bit frame shows the same text; its blend works on 5- and
// 6-bit channels and so strays further from the 32-bit colors. (Its bevel
// corners lie one column to the left and are left out.)
TEST(ScreenTextGolden, SixteenBitFrameShowsTheSameTextInTheWindow) {
    std::optional<FrameImage> golden = readFrame(goldenPath());
    ASSERT_TRUE(golden) << goldenPath();
    constexpr int kSixteenBitTolerance = 40;
    const Rect inside{31, 334, 609, 464};
    EXPECT_LE(differingPixels(renderGameFrame(16), *golden, kSixteenBitTolerance, inside), kAllowedDifferences);
}

}  // namespace
}  // namespace morv
