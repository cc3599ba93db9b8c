// Reading "morv.ini": each key, defaults, quoting and errors.
#include <gtest/gtest.h>

#include "config/config_file.h"
#include "config/game_config.h"
#include "platform/headless/headless_platform.h"
#include "support/temp_dir.h"

namespace morv::testing {
namespace {

class ConfigFile : public ::testing::Test {
protected:
    bool read(const std::string& utf8) {
        dir_.write("morv.ini", cp949(utf8));
        CurrentDirectory inGame(dir_.path());
        return readGameConfiguration(config_, platform_);
    }
    const std::vector<std::string>& messages() const { return platform_.messagesShown(); }

    TempDir dir_;
    HeadlessPlatform platform_;
    GameConfig config_;
};

TEST_F(ConfigFile, EveryKeyTakesEffect) {
    ASSERT_TRUE(read(
        "game_title = \"빛의 정원\"\n"
        "HELP_FILE = help.chm\n"
        "WINDOW_WIDTH = 800\n"
        "WINDOW_HEIGHT = 600x\n"
        "SCENARIO_FILE = 시작.txt\n"
        "DEFAULT_BGM = cdda\n"
        "ENABLE_CHANGE_BGM = On\n"
        "FIRST_AUDIO_TRACK = 3\n"
        "VOICE = ON\n"
        "CG_DIRECTORY = cg.dat\n"
        "SCENARIO_DIRECTORY = snr.dat\n"
        "EFFECT_DIRECTORY = se\\\n"
        "VOICE_DIRECTORY = voice\\\n"
        "BGM_DIRECTORY = bgm\\\n"
        "SAVE_DIRECTORY = save\\\n"
        "DELAY_TIME = -15\n"
        "CG_DELAY = 96\n"
        "TEXT_SPEED = +4\n"
        "DEBUG\n"
        "TEXT_WINDOW_RECT(30, 333, 610, 465)\n"
        "TEXT_WINDOW_SKIN = skin.bmp\n"
        "TEXT_WINDOW_SKIN_POS = 5, 7\n"
        "TEXT_COLOR = 256, 257, 511\n"
        "SCREEN_MODE = full\n"
        "CURSOR = arrow.cur\n"
        "ICON = game.ico\n"
        "FONTNAME = 바탕체\n"
        "FONTTYPE = 62\n"
        "TEXTWINDOWCOLOR1 = 1, 2, 3\n"
        "TEXTWINDOWCOLOR2 = 4, 5, 6\n"
        "TEXTWINDOWALPHA = 4\n"
        "TEXTWINDOWGRADATION = 0\n"
        "TEXTWINDOWOUTLINE = 3\n"
        "TEXTHIGHLIGHTCOLOR = 7, 8, 9\n"
        "TEXTMARGIN = 2\n"
        "WINDOWMARGIN = 10\n"
        "IMAGEAA = off\n"
        "USEPNGALPHA = OFF\n"
        "CGEFFECT_DIRECTORY = fx\\\n"
        "CARET_FILE = c1.bmp\n"
        "PAGECARET_FILE = c2.bmp\n"
        "FONTSIZE = 20\n"
        "SPACEKEY = Off\n"
        "CHAR_COLOR = \"철수\", 10, 20, 30\n"));
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(config_.title, cp949("빛의 정원"));
    EXPECT_EQ(platform_.windowTitle(), "빛의 정원");
    EXPECT_EQ(config_.helpFile, "help.chm");
    EXPECT_EQ(config_.windowWidth, 800);
    EXPECT_EQ(config_.windowHeight, 600);
    EXPECT_EQ(config_.firstScenario, cp949("시작.txt"));
    EXPECT_FALSE(config_.bgmIsPcm);
    EXPECT_TRUE(config_.bgmOutputChangeable);
    EXPECT_EQ(config_.firstAudioTrack, 3);
    EXPECT_TRUE(config_.voiceAvailable);
    EXPECT_EQ(config_.cgDirectory, "cg.dat");
    EXPECT_EQ(config_.scenarioDirectory, "snr.dat");
    EXPECT_EQ(config_.effectDirectory, "se\\");
    EXPECT_EQ(config_.voiceDirectory, "voice\\");
    EXPECT_EQ(config_.bgmDirectory, "bgm\\");
    EXPECT_EQ(config_.saveDirectory, "save\\");
    EXPECT_EQ(config_.delayTime, -15);
    EXPECT_EQ(config_.cgDelay, 96);
    EXPECT_EQ(config_.textSpeed, 4);
    EXPECT_TRUE(config_.debug);
    EXPECT_EQ(config_.textWindowRect, (TextWindowRect{30, 333, 614, 469}));
    EXPECT_EQ(config_.textWindowSkin, "skin.bmp");
    EXPECT_EQ(config_.skinX, 5);
    EXPECT_EQ(config_.skinY, 7);
    EXPECT_EQ(config_.textColor, configColor(0, 1, 255));
    EXPECT_FALSE(config_.windowed);
    EXPECT_EQ(config_.cursorFile, "arrow.cur");
    EXPECT_EQ(config_.iconFile, "game.ico");
    EXPECT_EQ(config_.font.faceName, cp949("바탕체"));
    // 62 = shadow, outline, italic, underline, strike-out; not bold
    EXPECT_EQ(config_.font.weight, FontRecord::kWeightNormal);
    EXPECT_TRUE(config_.textShadow);
    EXPECT_TRUE(config_.textOutline);
    EXPECT_EQ(config_.font.italic, 1);
    EXPECT_EQ(config_.font.underline, 1);
    EXPECT_EQ(config_.font.strikeOut, 1);
    EXPECT_EQ(config_.textWindowColor1, configColor(1, 2, 3));
    EXPECT_EQ(config_.textWindowColor2, configColor(4, 5, 6));
    EXPECT_EQ(config_.textWindowAlpha, 4);
    EXPECT_EQ(config_.textWindowGradation, 0);
    EXPECT_EQ(config_.textWindowOutline, 3);
    EXPECT_EQ(config_.highlightColor, configColor(7, 8, 9));
    EXPECT_EQ(config_.lineSpacing, 2);
    EXPECT_EQ(config_.windowMargin, 10);
    EXPECT_FALSE(config_.imageAntialiasing);
    EXPECT_FALSE(config_.usePngAlpha);
    EXPECT_EQ(config_.cgEffectDirectory, "fx\\");
    EXPECT_EQ(config_.caretFile, "c1.bmp");
    EXPECT_EQ(config_.pageCaretFile, "c2.bmp");
    EXPECT_EQ(config_.font.height, 20);
    EXPECT_FALSE(config_.spaceKeyEnabled);
    EXPECT_EQ(config_.characterColors[0].name, cp949("철수"));
    EXPECT_EQ(config_.characterColors[0].color, configColor(10, 20, 30));
}

TEST_F(ConfigFile, OtherValuesKeepTheDefaultsOfSwitches) {
    ASSERT_TRUE(read(
        "DEFAULT_BGM = PCM\nENABLE_CHANGE_BGM = yes\nVOICE\nSCREEN_MODE = window\nIMAGEAA = on\n"
        "FONTTYPE = 1\nFONTSIZE = abc\nTEXTWINDOWALPHA = 9\nTEXTWINDOWOUTLINE = -2"));
    EXPECT_TRUE(config_.bgmIsPcm);
    EXPECT_FALSE(config_.bgmOutputChangeable);
    EXPECT_FALSE(config_.voiceAvailable);
    EXPECT_TRUE(config_.windowed);
    EXPECT_TRUE(config_.imageAntialiasing);
    EXPECT_EQ(config_.font.weight, FontRecord::kWeightBold);
    EXPECT_FALSE(config_.textShadow);  // every style bit is applied, shadow included
    EXPECT_EQ(config_.font.height, 0);
    // looks outside the offered range stop at its ends
    EXPECT_EQ(config_.textWindowAlpha, 4);
    EXPECT_EQ(config_.textWindowOutline, 0);
}

TEST_F(ConfigFile, QuotedValuesKeepBlanksAndCommas) {
    ASSERT_TRUE(read(
        "GAME_TITLE = \"A, B  \"\n"
        "SCENARIO_FILE=\"first file.txt\" // comment\n"
        "CHAR_COLOR = \" 영 희 \" ,1,2,3\n"
        "CHAR_COLOR 민수, 4 5 6\n"));
    EXPECT_EQ(config_.title, "A, B  ");
    EXPECT_EQ(platform_.windowTitle(), "A, B  ");
    EXPECT_EQ(config_.firstScenario, "first file.txt");
    EXPECT_EQ(config_.characterColors[0].name, cp949("영 희"));
    EXPECT_EQ(config_.characterColors[0].color, configColor(1, 2, 3));
    EXPECT_EQ(config_.characterColors[1].name, cp949("민수"));
    EXPECT_EQ(config_.characterColors[1].color, configColor(4, 5, 6));
}

TEST_F(ConfigFile, TextWindowRectangleGrowsToMultiplesOfFourPlusFour) {
    ASSERT_TRUE(read("TEXT_WINDOW_RECT = 10, 20, 111, 19"));
    // width 101 -> 101 - 1 + 4; height -1 -> remainder -1 keeps the sign of the dividend
    EXPECT_EQ(config_.textWindowRect, (TextWindowRect{10, 20, 114, 24}));
    ASSERT_TRUE(read("TEXT_WINDOW_RECT = -2147483648, 0, 2147483647, 5"));
    EXPECT_EQ(config_.textWindowRect.right, 2147483647);
}

TEST_F(ConfigFile, LongFontNamesAreCutAtACharacterBoundary) {
    // 15 Hangul syllables = 30 bytes, then a 16th that would end at byte 32
    ASSERT_TRUE(read("FONTNAME = 가나다라마바사아자차카타파하가나"));
    EXPECT_EQ(config_.font.faceName, cp949("가나다라마바사아자차카타파하가"));
    ASSERT_TRUE(read("FONTNAME = abcdefghijklmnopqrstuvwxyz0123456789"));
    EXPECT_EQ(config_.font.faceName, "abcdefghijklmnopqrstuvwxyz01234");
}

TEST_F(ConfigFile, EndAloneLeavesTheDefaults) {
    ASSERT_TRUE(read("end\nWINDOW_WIDTH = 1\nBOGUS"));
    GameConfig defaults;
    EXPECT_EQ(config_.windowWidth, defaults.windowWidth);
    EXPECT_EQ(config_.title, defaults.title);
    EXPECT_EQ(config_.font, defaults.font);
    EXPECT_EQ(config_.textWindowRect, defaults.textWindowRect);
    EXPECT_EQ(config_.textShadow, defaults.textShadow);
    EXPECT_TRUE(messages().empty());
}

TEST_F(ConfigFile, AnInvalidKeyStopsAfterTheKeysBeforeIt) {
    EXPECT_FALSE(read(
        "GAME_TITLE = \"반쯤\"\n"
        "// 주석 줄\n"
        "WINDOW_WIDTH = 800\n"
        "WIDTH = 1\n"
        "WINDOW_HEIGHT = 600\n"
        "ALSO_BAD\n"));
    EXPECT_EQ(config_.windowWidth, 800);
    EXPECT_EQ(config_.windowHeight, 480);
    EXPECT_EQ(platform_.windowTitle(), "반쯤");
    EXPECT_EQ(messages(), (std::vector<std::string>{
                              "\"morv.ini\"의 4행의 \"WIDTH\"커맨드는 올바른 커맨드가 아닙니다.",
                              "\"morv.ini\"의 6행의 \"ALSO_BAD\"커맨드는 올바른 커맨드가 아닙니다.",
                              "MORV.INI 파일을 읽는중에 에러가 발생했습니다.",
                          }));
}

TEST_F(ConfigFile, CommentsStartAtTwoSlashesAnywhere) {
    ASSERT_TRUE(read("DEBUG//x\n//WINDOW_WIDTH = 1\n   // note\nTEXT_SPEED = 2 // fast"));
    EXPECT_TRUE(config_.debug);
    EXPECT_EQ(config_.windowWidth, 640);
    EXPECT_EQ(config_.textSpeed, 2);
    EXPECT_TRUE(messages().empty());
}

TEST_F(ConfigFile, TheFiftyFirstCharacterColorIsRefused) {
    std::string ini;
    for (int i = 1; i <= 51; ++i) ini += "CHAR_COLOR = \"c" + std::to_string(i) + "\", " + std::to_string(i) + ", 0, 0\n";
    ini += "TEXT_SPEED = 3\n";
    ASSERT_TRUE(read(ini));
    EXPECT_EQ(messages(), (std::vector<std::string>{"캐릭터별 색 설정은 50개까지 사용 가능합니다."}));
    EXPECT_EQ(config_.characterColors[49].name, "c50");
    EXPECT_EQ(config_.characterColors[49].color, configColor(50, 0, 0));
    EXPECT_EQ(config_.textSpeed, 3);
}

TEST_F(ConfigFile, AMissingFileIsAReadError) {
    CurrentDirectory inGame(dir_.path());
    EXPECT_FALSE(readGameConfiguration(config_, platform_));
    EXPECT_EQ(messages(), (std::vector<std::string>{"morv.ini 파일을 읽는중에 에러가 발생했습니다."}));
}

}  // namespace
}  // namespace morv::testing
