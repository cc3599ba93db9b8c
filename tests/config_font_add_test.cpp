// Fonts a game brings along, available to the font lookup while the configuration lives.
#include <fontconfig/fontconfig.h>
#include <gtest/gtest.h>

#include "config/config_file.h"
#include "config/game_config.h"
#include "platform/headless/headless_platform.h"
#include "support/temp_dir.h"

namespace morv::testing {
namespace {

// The files fontconfig currently lists as the application's own fonts.
std::vector<std::string> applicationFontFiles() {
    std::vector<std::string> files;
    FcFontSet* set = FcConfigGetFonts(nullptr, FcSetApplication);
    for (int i = 0; set && i < set->nfont; ++i) {
        FcChar8* file = nullptr;
        if (FcPatternGetString(set->fonts[i], FC_FILE, 0, &file) == FcResultMatch) {
            files.emplace_back(reinterpret_cast<const char*>(file));
        }
    }
    return files;
}

bool listed(const std::filesystem::path& file) {
    auto files = applicationFontFiles();
    return std::find(files.begin(), files.end(), file.string()) != files.end();
}

TEST(ConfigFontAdd, AddedFontsLiveAsLongAsTheConfiguration) {
    const std::filesystem::path system = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
    if (!std::filesystem::exists(system)) GTEST_SKIP() << "no font file to add";
    TempDir dir;
    std::filesystem::create_directories(dir.path() / "fonts");
    std::filesystem::copy_file(system, dir.path() / "fonts" / "Game.ttf");
    std::filesystem::copy_file(system, dir.path() / "Other.ttf");
    const auto outside = dir.write("Outside.ttf", "");
    std::filesystem::copy_file(system, outside, std::filesystem::copy_options::overwrite_existing);
    FcConfigAppFontAddFile(nullptr, reinterpret_cast<const FcChar8*>(outside.c_str()));
    dir.write("morv.ini", "FONTADD = fonts\\game.ttf\nFONTADD = missing.ttf\nFONTADD = Other.ttf\n");
    const auto game = std::filesystem::canonical(dir.path() / "fonts" / "Game.ttf");
    const auto other = std::filesystem::canonical(dir.path() / "Other.ttf");

    HeadlessPlatform platform;
    auto config = std::make_unique<GameConfig>();
    {
        CurrentDirectory inGame(dir.path());
        ASSERT_TRUE(readGameConfiguration(*config, platform));
    }
    EXPECT_EQ(config->addedFonts, (std::vector<std::string>{"fonts\\game.ttf", "missing.ttf", "Other.ttf"}));
    EXPECT_TRUE(platform.messagesShown().empty());
    EXPECT_TRUE(listed(game));
    EXPECT_TRUE(listed(other));

    config.reset();
    EXPECT_FALSE(listed(game));
    EXPECT_FALSE(listed(other));
    EXPECT_TRUE(listed(outside));  // registered by someone else
    FcConfigAppFontClear(nullptr);
}

}  // namespace
}  // namespace morv::testing
