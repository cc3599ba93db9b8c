// Applying the entries of "morv.ini" to the configuration.
#include "config/config_file.h"

#include <algorithm>
#include <climits>

#include "config/configuration_script.h"
#include "config/game_config.h"
#include "platform/cp949.h"
#include "platform/platform.h"

namespace morv {
namespace {

// Decimal with an optional sign; trailing text is ignored, anything else reads as 0.
// Values beyond the integer range stop at its ends.
int readInt(std::string_view text) {
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = std::min<long long>(value * 10 + (text[i] - '0'), static_cast<long long>(INT_MAX) + 1);
    }
    if (negative) value = -value;
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

int clampInt(long long value) { return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX)); }

// One configuration entry applied to the configuration.
class EntryApplier {
public:
    EntryApplier(GameConfig& config, Platform& platform, const ConfigEntry& entry)
        : config_(config), platform_(platform), entry_(entry) {}

    void apply();

private:
    const std::string& text(size_t i) const {
        static const std::string kAbsent;
        return i < entry_.args.size() ? entry_.args[i] : kAbsent;
    }
    int number(size_t i) const { return readInt(text(i)); }
    // Red, green and blue from arguments i to i+2, low 8 bits each.
    ConfigColor color(size_t i) const { return configColor(number(i), number(i + 1), number(i + 2)); }
    bool is(size_t i, std::string_view word) const { return cp949::equalsIgnoreCase(text(i), word); }
    // Byte settings that select one of `count` looks.
    uint8_t choice(int count) const { return static_cast<uint8_t>(std::clamp(number(0), 0, count - 1)); }

    void setTextWindowRect();
    void setFontType();
    void setFontName();
    void addCharacterColor();

    GameConfig& config_;
    Platform& platform_;
    const ConfigEntry& entry_;
};

void EntryApplier::apply() {
    switch (entry_.key) {
        case ConfigKey::GameTitle:
            config_.title = text(0);
            platform_.window().setTitle(cp949::toUtf8(config_.title));
            break;
        case ConfigKey::HelpFile: config_.helpFile = text(0); break;
        case ConfigKey::WindowWidth: config_.windowWidth = number(0); break;
        case ConfigKey::WindowHeight: config_.windowHeight = number(0); break;
        case ConfigKey::ScenarioFile: config_.firstScenario = text(0); break;
        case ConfigKey::DefaultBgm: config_.bgmIsPcm = !is(0, "CDDA"); break;
        case ConfigKey::EnableChangeBgm: config_.bgmOutputChangeable = is(0, "on"); break;
        case ConfigKey::FirstAudioTrack: config_.firstAudioTrack = number(0); break;
        case ConfigKey::Voice: config_.voiceAvailable = is(0, "on"); break;
        case ConfigKey::CgDirectory: config_.cgDirectory = text(0); break;
        case ConfigKey::ScenarioDirectory: config_.scenarioDirectory = text(0); break;
        case ConfigKey::EffectDirectory: config_.effectDirectory = text(0); break;
        case ConfigKey::VoiceDirectory: config_.voiceDirectory = text(0); break;
        case ConfigKey::BgmDirectory: config_.bgmDirectory = text(0); break;
        case ConfigKey::SaveDirectory: config_.saveDirectory = text(0); break;
        case ConfigKey::DelayTime: config_.delayTime = number(0); break;
        case ConfigKey::CgDelay: config_.cgDelay = number(0); break;
        case ConfigKey::TextSpeed: config_.textSpeed = number(0); break;
        case ConfigKey::CharColor: addCharacterColor(); break;
        case ConfigKey::Debug: config_.debug = true; break;
        case ConfigKey::TextWindowRect: setTextWindowRect(); break;
        case ConfigKey::TextWindowSkin: config_.textWindowSkin = text(0); break;
        case ConfigKey::TextWindowSkinPos:
            config_.skinX = number(0);
            config_.skinY = number(1);
            break;
        case ConfigKey::TextColor: config_.textColor = color(0); break;
        case ConfigKey::ScreenMode: config_.windowed = !is(0, "FULL"); break;
        case ConfigKey::Cursor: config_.cursorFile = text(0); break;
        case ConfigKey::Icon: config_.iconFile = text(0); break;
        case ConfigKey::FontName: setFontName(); break;
        case ConfigKey::FontType: setFontType(); break;
        case ConfigKey::TextWindowColor1: config_.textWindowColor1 = color(0); break;
        case ConfigKey::TextWindowColor2: config_.textWindowColor2 = color(0); break;
        case ConfigKey::TextWindowAlpha: config_.textWindowAlpha = choice(5); break;
        case ConfigKey::TextWindowGradation: config_.textWindowGradation = choice(5); break;
        case ConfigKey::TextWindowOutline: config_.textWindowOutline = choice(4); break;
        case ConfigKey::TextHighlightColor: config_.highlightColor = color(0); break;
        case ConfigKey::TextMargin: config_.lineSpacing = number(0); break;
        case ConfigKey::WindowMargin: config_.windowMargin = number(0); break;
        case ConfigKey::ImageAa: config_.imageAntialiasing = !is(0, "OFF"); break;
        case ConfigKey::UsePngAlpha: config_.usePngAlpha = !is(0, "OFF"); break;
        case ConfigKey::CgEffectDirectory: config_.cgEffectDirectory = text(0); break;
        case ConfigKey::CaretFile: config_.caretFile = text(0); break;
        case ConfigKey::PageCaretFile: config_.pageCaretFile = text(0); break;
        case ConfigKey::FontSize: config_.font.height = number(0); break;
        case ConfigKey::SpaceKey: config_.spaceKeyEnabled = !is(0, "OFF"); break;
        case ConfigKey::FontAdd: {
            const FileResolver& files = platform_.files();
            config_.addFont(text(0), files.find(text(0)).value_or(files.pathForCreate(text(0))));
            break;
        }
        case ConfigKey::Invalid: break;
    }
}

// Width and height become multiples of 4 plus 4.
void EntryApplier::setTextWindowRect() {
    long long left = number(0), top = number(1), right = number(2), bottom = number(3);
    config_.textWindowRect = {static_cast<int>(left), static_cast<int>(top),
                              clampInt(right - (right - left) % 4 + 4), clampInt(bottom - (bottom - top) % 4 + 4)};
}

void EntryApplier::setFontType() {
    int bits = number(0);
    config_.font.weight = (bits & 1) ? FontRecord::kWeightBold : FontRecord::kWeightNormal;
    config_.textShadow = bits & 2;
    config_.textOutline = bits & 4;
    config_.font.italic = (bits & 8) ? 1 : 0;
    config_.font.underline = (bits & 16) ? 1 : 0;
    config_.font.strikeOut = (bits & 32) ? 1 : 0;
}

// A face name longer than the font record holds is cut to 31 bytes at a character boundary.
void EntryApplier::setFontName() {
    const std::string& name = text(0);
    size_t length = 0;
    while (length < name.size()) {
        size_t step = static_cast<size_t>(cp949::charLength(static_cast<unsigned char>(name[length])));
        if (length + step > FontRecord::kFaceSize - 1) break;
        length += step;
    }
    config_.font.faceName = name.substr(0, std::min(length, name.size()));
}

void EntryApplier::addCharacterColor() {
    auto& entries = config_.characterColors;
    auto free = std::find_if(entries.begin(), entries.end(), [](const CharacterColor& c) { return c.name.empty(); });
    if (free == entries.end()) {
        platform_.messages().error("캐릭터별 색 설정은 50개까지 사용 가능합니다.");
        return;
    }
    *free = {text(0), color(1)};
}

}  // namespace

bool readGameConfiguration(GameConfig& config, Platform& platform) {
    ScriptEnvironment environment{platform.messages(), platform.files(), nullptr, true};
    ConfigurationScript script(environment);
    if (!script.Load("morv.ini", ScriptKind::GameConfiguration)) return false;
    for (const ConfigEntry& entry : script.entries()) {
        if (entry.key == ConfigKey::Invalid) {
            platform.messages().error("MORV.INI 파일을 읽는중에 에러가 발생했습니다.");
            return false;
        }
        EntryApplier(config, platform, entry).apply();
    }
    return true;
}

}  // namespace morv
