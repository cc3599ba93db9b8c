// Every configuration value and user setting of a run.
#pragma once
#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "config/font_record.h"

namespace morv {

class FontRegistry;

// A color as the configuration and the settings store it: red in bits 0-7,
// green in 8-15, blue in 16-23.
using ConfigColor = uint32_t;

constexpr ConfigColor configColor(int red, int green, int blue) {
    return static_cast<ConfigColor>((red & 0xFF) | (green & 0xFF) << 8 | (blue & 0xFF) << 16);
}

struct TextWindowRect {
    int left = 30;
    int top = 333;
    int right = 610;
    int bottom = 465;
    bool operator==(const TextWindowRect&) const = default;
};

struct CharacterColor {
    std::string name;  // CP949; empty = free entry
    ConfigColor color = 0;
};

// Every configuration value and user setting of one run. Texts are CP949.
struct GameConfig {
    static constexpr int kCharacterColors = 50;

    GameConfig();
    // Unregisters the added font files.
    ~GameConfig();
    GameConfig(const GameConfig&) = delete;
    GameConfig& operator=(const GameConfig&) = delete;
    GameConfig(GameConfig&&) noexcept;
    GameConfig& operator=(GameConfig&&) noexcept;

    // Lists a font file the game brings along and registers it (found at `file`)
    // for the rest of the run.
    void addFont(const std::string& name, const std::filesystem::path& file);

    // Set from the game configuration file.
    bool runsFromCdRom = false;  // games never run from a CD-ROM drive on this platform
    bool debug = false;
    std::string title = "\xC1\xA6\xB8\xF1\xBE\xF8\xC0\xBD";  // "제목없음"
    std::string helpFile;
    int windowWidth = 640;
    int windowHeight = 480;
    std::string firstScenario = "scenario.txt";
    std::string cgDirectory = ".\\";
    std::string scenarioDirectory = ".\\";
    std::string effectDirectory = ".\\";
    std::string voiceDirectory = ".\\";
    std::string bgmDirectory = ".\\";
    std::string saveDirectory = ".\\";
    std::string cgEffectDirectory = ".\\";
    int delayTime = 300;
    int cgDelay = 64;
    bool windowed = true;
    std::string cursorFile;
    std::string iconFile;
    std::string caretFile = "caret.bmp";
    std::string pageCaretFile = "caret.bmp";
    bool spaceKeyEnabled = true;
    bool voiceAvailable = false;
    bool bgmIsPcm = true;
    bool bgmOutputChangeable = false;
    int firstAudioTrack = 2;
    FontRecord font;
    bool textShadow = true;
    bool textOutline = false;
    ConfigColor textColor = configColor(240, 240, 240);
    ConfigColor textWindowColor1 = configColor(32, 32, 160);
    ConfigColor textWindowColor2 = configColor(192, 192, 255);
    uint8_t textWindowAlpha = 2;
    uint8_t textWindowGradation = 1;
    uint8_t textWindowOutline = 0;
    ConfigColor highlightColor = configColor(255, 100, 100);
    TextWindowRect textWindowRect;
    std::string textWindowSkin;
    int skinX = 0;
    int skinY = 0;
    int textSpeed = 9;
    int lineSpacing = 6;
    int windowMargin = 6;
    bool imageAntialiasing = true;
    bool usePngAlpha = true;
    std::array<CharacterColor, kCharacterColors> characterColors;
    std::vector<std::string> addedFonts;

    // Held only by the user settings file.
    bool mouseTracking = true;
    bool bgmOn = true;
    bool effectsOn = true;
    bool voiceOn = true;
    int bgmVolume = 0;     // hundredths of a decibel, -5000 to 0
    int effectVolume = 0;
    int voiceVolume = 0;
    bool fadeOnBgmChange = false;
    int autoSpeed = 5;
    int textHistorySize = 5000;
    int imagesToPreload = 5;

private:
    std::unique_ptr<FontRegistry> fontRegistry_;
};

}  // namespace morv
