// The player's settings file: its layout, reading over the configuration, refusal of damaged files.
#include <gtest/gtest.h>

#include "config/config_file.h"
#include "config/game_config.h"
#include "config/user_settings.h"
#include "platform/headless/headless_platform.h"
#include "support/headless_run.h"
#include "support/temp_dir.h"

namespace morv::testing {
namespace {

std::string zeros(size_t count) { return std::string(count, '\0'); }
std::string le32(uint32_t value) {
    return {static_cast<char>(value), static_cast<char>(value >> 8), static_cast<char>(value >> 16),
            static_cast<char>(value >> 24)};
}
std::string byte(int value) { return std::string(1, static_cast<char>(value)); }

class UserSettings : public ::testing::Test {
protected:
    UserSettings() : inGame_(dir_.path()) {}

    // The file of the default title (its name on disk is UTF-8).
    static std::string fileName() { return "제목없음.cfg"; }

    TempDir dir_;
    CurrentDirectory inGame_;
    HeadlessPlatform platform_;
};

TEST_F(UserSettings, LayoutMatchesAHandBuiltFile) {
    GameConfig config;
    config.textSpeed = 10;
    config.textWindowAlpha = 4;
    config.bgmVolume = -1200;
    config.characterColors[0] = {"A", configColor(1, 2, 3)};
    config.characterColors[1] = {cp949("유나"), configColor(255, 0, 128)};
    const std::string expected =
        byte(1) + byte(1) + zeros(10) +                                          // windowed, mouse tracking
        byte(7) + cp949("굴림체") + byte(0) +                                    // face name with its zero
        le32(24) + le32(700) + byte(1) + byte(0) + le32(0xF0F0F0) +               // height, weight, shadow, outline, colour
        byte(0) + byte(0) + byte(0) + zeros(7) +                                   // italic, underline, strike-out
        byte(1) + byte(1) + byte(1) + byte(1) +                                    // PCM, BGM, effects, voice
        le32(static_cast<uint32_t>(-1200)) + le32(0) + le32(0) + byte(0) + zeros(10) +  // volumes, fade
        le32(0xA02020) + le32(0xFFC0C0) + le32(0x6464FF) + byte(1) + byte(4) + byte(0) + zeros(10) +
        byte(10) + byte(6) + byte(6) +                                             // speed, spacing, margin
        byte(2) + byte(2) + "A" + byte(0) + le32(0x030201) + byte(5) + cp949("유나") + byte(0) + le32(0x8000FF) +
        byte(5) + zeros(5) + le32(5) + le32(5000) + byte(1) + byte(1);            // auto, preload, history, AA, PNG alpha
    EXPECT_EQ(encodeUserSettings(config), expected);
}

TEST_F(UserSettings, ValuesSurviveAWriteAndARead) {
    GameConfig changed;
    changed.textSpeed = 10;
    changed.textWindowAlpha = 4;
    changed.windowed = false;
    changed.mouseTracking = false;
    changed.font.faceName = "Dotum";
    changed.font.height = 30;
    changed.font.weight = FontRecord::kWeightNormal;
    changed.font.italic = 1;
    changed.textColor = configColor(10, 20, 30);
    changed.bgmIsPcm = false;
    changed.voiceOn = false;
    changed.effectVolume = -5000;
    changed.fadeOnBgmChange = true;
    changed.textWindowOutline = 3;
    changed.autoSpeed = 0;
    changed.textHistorySize = 100000;
    changed.usePngAlpha = false;
    changed.characterColors[0] = {cp949("세린"), configColor(9, 8, 7)};
    writeUserSettings(changed, platform_);

    GameConfig read;
    readUserSettings(read, platform_);
    EXPECT_EQ(read.textSpeed, 10);
    EXPECT_EQ(read.textWindowAlpha, 4);
    EXPECT_EQ(encodeUserSettings(read), encodeUserSettings(changed)) << "every stored value came back";
    EXPECT_TRUE(platform_.messagesShown().empty());
}

// The low byte of a setting is what the file holds: a value the configuration
// gave beyond one byte comes back whole when the player did not change it.
TEST_F(UserSettings, OneByteFieldsReplaceOnlyTheLowByte) {
    GameConfig stored;
    stored.textSpeed = 300;
    stored.lineSpacing = -1;
    const std::string bytes = encodeUserSettings(stored);

    GameConfig config;
    config.textSpeed = 300;
    config.lineSpacing = 4;
    ASSERT_TRUE(decodeUserSettings(bytes, config));
    EXPECT_EQ(config.textSpeed, 300);
    EXPECT_EQ(config.lineSpacing, 255) << "only the low byte of 4 is replaced";
}

TEST_F(UserSettings, ColorTableIsWrittenUpToItsFirstGap) {
    GameConfig config;
    config.characterColors[0] = {"A", configColor(1, 1, 1)};
    config.characterColors[1] = {"B", configColor(2, 2, 2)};
    config.characterColors[3] = {"D", configColor(4, 4, 4)};  // after the gap
    writeUserSettings(config, platform_);

    GameConfig read;
    read.characterColors[5] = {"from morv.ini", 0};
    readUserSettings(read, platform_);
    EXPECT_EQ(read.characterColors[0].name, "A");
    EXPECT_EQ(read.characterColors[1].color, configColor(2, 2, 2));
    for (size_t i = 2; i < read.characterColors.size(); ++i) {
        EXPECT_TRUE(read.characterColors[i].name.empty()) << "entry " << i;
    }
}

TEST_F(UserSettings, FirstStartCreatesTheFileAndEachTitleHasItsOwn) {
    GameConfig first;
    first.textSpeed = 3;
    readUserSettings(first, platform_);
    ASSERT_EQ(dir_.read(fileName()), encodeUserSettings(first)) << "created from the configuration's values";

    GameConfig renamed;
    renamed.title = cp949("새 제목");
    renamed.textSpeed = 7;
    readUserSettings(renamed, platform_);
    EXPECT_EQ(renamed.textSpeed, 7) << "the old title's file is not read";
    EXPECT_EQ(dir_.read("새 제목.cfg"), encodeUserSettings(renamed));
    EXPECT_EQ(dir_.read(fileName()), encodeUserSettings(first)) << "the old file stays";

    // A title with path separators still names a file of the game directory.
    GameConfig slashed;
    slashed.title = "..\\up/down";
    writeUserSettings(slashed, platform_);
    EXPECT_TRUE(std::filesystem::exists(dir_.path() / ".._up_down.cfg"));
}

// The stored values replace those of "morv.ini" at every start.
TEST_F(UserSettings, StoredValuesWinOverTheConfigurationFile) {
    dir_.write("morv.ini", "TEXT_COLOR = 1, 2, 3\nTEXT_SPEED = 2\nGAME_TITLE = t\nend\n");
    GameConfig stored;
    stored.textColor = configColor(200, 100, 50);
    stored.textSpeed = 10;
    dir_.write("t.cfg", encodeUserSettings(stored));

    GameConfig config;
    ASSERT_TRUE(readGameConfiguration(config, platform_));
    readUserSettings(config, platform_);
    EXPECT_EQ(config.textColor, configColor(200, 100, 50));
    EXPECT_EQ(config.textSpeed, 10);
}

TEST_F(UserSettings, DamagedFilesAreRefusedAsAWholeKeepingTheConfiguration) {
    GameConfig stored;
    stored.textSpeed = 1;
    stored.characterColors[0] = {"A", 1};
    const std::string good = encodeUserSettings(stored);
    const size_t faceLength = 12;  // the face name's count
    const size_t colorCount = 99;  // N, after the default face name

    std::vector<std::pair<std::string, std::string>> damaged;
    for (size_t size : {size_t{0}, size_t{1}, size_t{12}, good.size() / 2, good.size() - 1}) {
        damaged.emplace_back("cut to " + std::to_string(size), good.substr(0, size));
    }
    std::string longFace = good;
    longFace[faceLength] = 33;
    damaged.emplace_back("face name of 33", longFace);
    std::string manyColors = good;
    ASSERT_EQ(manyColors[colorCount], 1);
    manyColors[colorCount] = 51;
    damaged.emplace_back("51 colours", manyColors + std::string(1000, '\x01'));

    for (const auto& [what, bytes] : damaged) {
        SCOPED_TRACE(what);
        GameConfig config;
        config.textSpeed = 6;
        const std::string before = encodeUserSettings(config);
        EXPECT_FALSE(decodeUserSettings(bytes, config));
        EXPECT_EQ(encodeUserSettings(config), before) << "nothing changed";
    }

    // On disk the refused file stays until shutdown writes it anew.
    dir_.write(fileName(), good.substr(0, 20));
    GameConfig config;
    readUserSettings(config, platform_);
    EXPECT_EQ(config.textSpeed, 9);
    writeUserSettings(config, platform_);
    EXPECT_EQ(dir_.read(fileName()), encodeUserSettings(config));
}

// Values only a damaged file holds are kept within what the engine can use.
TEST_F(UserSettings, OutOfRangeValuesAreHeldToTheirRanges) {
    GameConfig stored;
    stored.bgmVolume = 7000;
    stored.voiceVolume = -2147483647;
    stored.textHistorySize = 2000000000;
    stored.textWindowAlpha = 200;
    stored.textWindowGradation = 9;
    stored.textWindowOutline = 4;
    stored.font.faceName = std::string(31, 'x');
    std::string bytes = encodeUserSettings(stored);
    bytes[13 + 31] = 'y';  // the face name's zero replaced by a letter: 32 bytes of name

    GameConfig config;
    ASSERT_TRUE(decodeUserSettings(bytes, config));
    EXPECT_EQ(config.bgmVolume, 0);
    EXPECT_EQ(config.voiceVolume, -5000);
    EXPECT_EQ(config.textHistorySize, 100000);
    EXPECT_EQ(config.textWindowAlpha, 4);
    EXPECT_EQ(config.textWindowGradation, 4);
    EXPECT_EQ(config.textWindowOutline, 3);
    EXPECT_EQ(config.font.faceName.size(), 31u) << "face names fit the font record";
}

TEST_F(UserSettings, AFileThatCannotBeWrittenIsReported) {
    std::filesystem::create_directory(dir_.path() / fileName());
    GameConfig config;
    writeUserSettings(config, platform_);
    EXPECT_EQ(platform_.messagesShown(), std::vector<std::string>{"환경설정파일 저장에 실패했습니다."});

    GameConfig onCd;
    onCd.runsFromCdRom = true;
    onCd.title = "cd";
    writeUserSettings(onCd, platform_);
    EXPECT_FALSE(std::filesystem::exists(dir_.path() / "cd.cfg"));
}

TEST(UserSettingsRun, AHeadlessRunLeavesTheFileOfTheGameTitle) {
    TempDir dir;
    HeadlessRun run = runHeadless(testGame("minimal"), "until-idle 5000\nquit\n", dir.path() / "out");
    ASSERT_EQ(run.exitCode, 0);
    GameConfig defaults;
    EXPECT_EQ(dir.read("out/game/제목없음.cfg"), encodeUserSettings(defaults));
}

// A start that fails on "morv.ini" leaves no settings file to override the mended one.
TEST(UserSettingsRun, AConfigurationThatFailsToReadStoresNothing) {
    TempDir dir;
    HeadlessRun run = runHeadless(testGame("bad-key"), "quit\n", dir.path() / "out");
    ASSERT_EQ(run.exitCode, 1);
    for (const auto& entry : std::filesystem::directory_iterator(dir.path() / "out" / "game")) {
        EXPECT_NE(entry.path().extension(), ".cfg") << entry.path();
    }
}

}  // namespace
}  // namespace morv::testing
