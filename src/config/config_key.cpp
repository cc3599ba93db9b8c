// The configuration keys by their words.
#include "config/config_key.h"

#include <array>
#include <utility>

#include "platform/cp949.h"

namespace morv {
namespace {

using K = ConfigKey;

constexpr std::array<std::pair<std::string_view, ConfigKey>, 45> kKeys{{
    {"GAME_TITLE", K::GameTitle},
    {"HELP_FILE", K::HelpFile},
    {"WINDOW_WIDTH", K::WindowWidth},
    {"WINDOW_HEIGHT", K::WindowHeight},
    {"SCENARIO_FILE", K::ScenarioFile},
    {"DEFAULT_BGM", K::DefaultBgm},
    {"ENABLE_CHANGE_BGM", K::EnableChangeBgm},
    {"FIRST_AUDIO_TRACK", K::FirstAudioTrack},
    {"VOICE", K::Voice},
    {"CG_DIRECTORY", K::CgDirectory},
    {"SCENARIO_DIRECTORY", K::ScenarioDirectory},
    {"EFFECT_DIRECTORY", K::EffectDirectory},
    {"VOICE_DIRECTORY", K::VoiceDirectory},
    {"BGM_DIRECTORY", K::BgmDirectory},
    {"SAVE_DIRECTORY", K::SaveDirectory},
    {"DELAY_TIME", K::DelayTime},
    {"CG_DELAY", K::CgDelay},
    {"TEXT_SPEED", K::TextSpeed},
    {"CHAR_COLOR", K::CharColor},
    {"DEBUG", K::Debug},
    {"TEXT_WINDOW_RECT", K::TextWindowRect},
    {"TEXT_WINDOW_SKIN", K::TextWindowSkin},
    {"TEXT_WINDOW_SKIN_POS", K::TextWindowSkinPos},
    {"TEXT_COLOR", K::TextColor},
    {"SCREEN_MODE", K::ScreenMode},
    {"CURSOR", K::Cursor},
    {"ICON", K::Icon},
    {"FONTNAME", K::FontName},
    {"FONTTYPE", K::FontType},
    {"TEXTWINDOWCOLOR1", K::TextWindowColor1},
    {"TEXTWINDOWCOLOR2", K::TextWindowColor2},
    {"TEXTWINDOWALPHA", K::TextWindowAlpha},
    {"TEXTWINDOWGRADATION", K::TextWindowGradation},
    {"TEXTWINDOWOUTLINE", K::TextWindowOutline},
    {"TEXTHIGHLIGHTCOLOR", K::TextHighlightColor},
    {"TEXTMARGIN", K::TextMargin},
    {"WINDOWMARGIN", K::WindowMargin},
    {"IMAGEAA", K::ImageAa},
    {"USEPNGALPHA", K::UsePngAlpha},
    {"CGEFFECT_DIRECTORY", K::CgEffectDirectory},
    {"CARET_FILE", K::CaretFile},
    {"PAGECARET_FILE", K::PageCaretFile},
    {"FONTSIZE", K::FontSize},
    {"SPACEKEY", K::SpaceKey},
    {"FONTADD", K::FontAdd},
}};

}  // namespace

ConfigKey findConfigKey(std::string_view word) {
    for (const auto& [name, key] : kKeys) {
        if (cp949::equalsIgnoreCase(word, name)) return key;
    }
    return ConfigKey::Invalid;
}

}  // namespace morv
