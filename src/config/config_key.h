// The keys of the game configuration file.
#pragma once
#include <string_view>

namespace morv {

// The keys of the game configuration file.
enum class ConfigKey {
    Invalid,
    GameTitle,
    HelpFile,
    WindowWidth,
    WindowHeight,
    ScenarioFile,
    DefaultBgm,
    EnableChangeBgm,
    FirstAudioTrack,
    Voice,
    CgDirectory,
    ScenarioDirectory,
    EffectDirectory,
    VoiceDirectory,
    BgmDirectory,
    SaveDirectory,
    DelayTime,
    CgDelay,
    TextSpeed,
    CharColor,
    Debug,
    TextWindowRect,
    TextWindowSkin,
    TextWindowSkinPos,
    TextColor,
    ScreenMode,
    Cursor,
    Icon,
    FontName,
    FontType,
    TextWindowColor1,
    TextWindowColor2,
    TextWindowAlpha,
    TextWindowGradation,
    TextWindowOutline,
    TextHighlightColor,
    TextMargin,
    WindowMargin,
    ImageAa,
    UsePngAlpha,
    CgEffectDirectory,
    CaretFile,
    PageCaretFile,
    FontSize,
    SpaceKey,
    FontAdd,
};

// The key named by a word (any case); Invalid when the word names none.
ConfigKey findConfigKey(std::string_view word);

}  // namespace morv
