// Reading and writing the player's settings file.
#include "config/user_settings.h"

#include <algorithm>
#include <array>
#include <optional>

#include "bytes/byte_stream.h"
#include "config/game_config.h"
#include "platform/cp949.h"
#include "platform/platform.h"

namespace morv {
namespace {

// Counted names carry their terminating zero inside the count of one byte.
constexpr size_t kMaxCharacterNameBytes = 254;
constexpr int kMaxTextHistory = 100000;
constexpr int kSilentVolume = -5000;

// The values the file holds, as stored, before they are laid over the configuration.
struct StoredSettings {
    uint8_t windowed, mouseTracking;
    std::string faceName;
    int32_t fontHeight, fontWeight;
    uint8_t textShadow, textOutline;
    uint32_t textColor;
    uint8_t italic, underline, strikeOut;
    uint8_t bgmIsPcm, bgmOn, effectsOn, voiceOn;
    int32_t bgmVolume, effectVolume, voiceVolume;
    uint8_t fadeOnBgmChange;
    uint32_t textWindowColor1, textWindowColor2, highlightColor;
    uint8_t textWindowGradation, textWindowAlpha, textWindowOutline;
    uint8_t textSpeed, lineSpacing, windowMargin;
    std::array<CharacterColor, GameConfig::kCharacterColors> characterColors;
    uint8_t autoSpeed;
    int32_t imagesToPreload, textHistorySize;
    uint8_t imageAntialiasing, usePngAlpha;
};

// A name with its terminating zero, counted in one byte.
void writeCountedName(ByteStream& out, std::string_view name, size_t maxBytes) {
    const std::string_view kept = cp949::truncate(name, maxBytes);
    out.writeU8(static_cast<uint8_t>(kept.size() + 1));
    out.writeBytes(kept);
    out.writeU8(0);
}

// A counted name of at most `maxCount` bytes; the text ends at its first zero.
bool readCountedName(ByteStream& in, size_t maxCount, std::string& name) {
    uint8_t count;
    if (!in.readU8(count) || count > maxCount || !in.readBytes(count, name)) return false;
    name.resize(std::min(name.size(), name.find('\0')));
    return true;
}

using CharacterColors = std::array<CharacterColor, GameConfig::kCharacterColors>;

// Walks the fields in the order of the file's layout, reading or writing each.
template <typename Walker>
bool walkLayout(Walker& io, StoredSettings& s) {
    return io.byte(s.windowed) && io.byte(s.mouseTracking) && io.spare(10) && io.faceName(s.faceName) &&
           io.word(s.fontHeight) && io.word(s.fontWeight) && io.byte(s.textShadow) && io.byte(s.textOutline) &&
           io.word(s.textColor) && io.byte(s.italic) && io.byte(s.underline) && io.byte(s.strikeOut) &&
           io.spare(7) && io.byte(s.bgmIsPcm) && io.byte(s.bgmOn) && io.byte(s.effectsOn) && io.byte(s.voiceOn) &&
           io.word(s.bgmVolume) && io.word(s.effectVolume) && io.word(s.voiceVolume) &&
           io.byte(s.fadeOnBgmChange) && io.spare(10) && io.word(s.textWindowColor1) &&
           io.word(s.textWindowColor2) && io.word(s.highlightColor) && io.byte(s.textWindowGradation) &&
           io.byte(s.textWindowAlpha) && io.byte(s.textWindowOutline) && io.spare(10) && io.byte(s.textSpeed) &&
           io.byte(s.lineSpacing) && io.byte(s.windowMargin) && io.characterColors(s.characterColors) &&
           io.byte(s.autoSpeed) && io.spare(5) && io.word(s.imagesToPreload) && io.word(s.textHistorySize) &&
           io.byte(s.imageAntialiasing) && io.byte(s.usePngAlpha);
}

// Reads a field at a time, refusing a file shorter than the layout, a face name
// longer than the font record holds or more than 50 character colours, so that
// no field is read out of its place.
struct LayoutReader {
    ByteStream in;
    bool byte(uint8_t& v) { return in.readU8(v); }
    bool word(int32_t& v) { return in.readI32(v); }
    bool word(uint32_t& v) { return in.readU32(v); }
    bool spare(size_t count) { return in.skip(count); }
    bool faceName(std::string& name) { return readCountedName(in, FontRecord::kFaceSize, name); }
    bool characterColors(CharacterColors& colors) {
        uint8_t count;
        if (!in.readU8(count) || count > GameConfig::kCharacterColors) return false;
        for (size_t i = 0; i < count; ++i) {
            if (!readCountedName(in, kMaxCharacterNameBytes + 1, colors[i].name) || !in.readU32(colors[i].color)) {
                return false;
            }
        }
        return true;
    }
};

struct LayoutWriter {
    ByteStream out;
    bool byte(uint8_t v) {
        out.writeU8(v);
        return true;
    }
    bool word(int32_t v) {
        out.writeI32(v);
        return true;
    }
    bool word(uint32_t v) {
        out.writeU32(v);
        return true;
    }
    bool spare(size_t count) {
        out.writeBytes(std::string(count, '\0'));
        return true;
    }
    bool faceName(const std::string& name) {
        writeCountedName(out, name, FontRecord::kFaceSize - 1);
        return true;
    }
    // The entries are written up to the first free one.
    bool characterColors(const CharacterColors& colors) {
        const auto firstFree =
            std::find_if(colors.begin(), colors.end(), [](const CharacterColor& entry) { return entry.name.empty(); });
        out.writeU8(static_cast<uint8_t>(firstFree - colors.begin()));
        for (auto entry = colors.begin(); entry != firstFree; ++entry) {
            writeCountedName(out, entry->name, kMaxCharacterNameBytes);
            out.writeU32(entry->color);
        }
        return true;
    }
};

std::optional<StoredSettings> parseSettings(std::string_view bytes) {
    LayoutReader reader{ByteStream(std::string(bytes))};
    StoredSettings s{};
    if (!walkLayout(reader, s)) return std::nullopt;
    // A face name of 32 bytes without its zero keeps what the font record holds.
    s.faceName = std::string(cp949::truncate(s.faceName, FontRecord::kFaceSize - 1));
    return s;
}

// The configuration's values as the file stores them: one-byte fields keep the low 8 bits.
StoredSettings storedFrom(const GameConfig& c) {
    const auto low = [](int v) { return static_cast<uint8_t>(v); };
    StoredSettings s{};
    s.windowed = c.windowed;
    s.mouseTracking = c.mouseTracking;
    s.faceName = c.font.faceName;
    s.fontHeight = c.font.height;
    s.fontWeight = c.font.weight;
    s.textShadow = c.textShadow;
    s.textOutline = c.textOutline;
    s.textColor = c.textColor;
    s.italic = c.font.italic;
    s.underline = c.font.underline;
    s.strikeOut = c.font.strikeOut;
    s.bgmIsPcm = c.bgmIsPcm;
    s.bgmOn = c.bgmOn;
    s.effectsOn = c.effectsOn;
    s.voiceOn = c.voiceOn;
    s.bgmVolume = c.bgmVolume;
    s.effectVolume = c.effectVolume;
    s.voiceVolume = c.voiceVolume;
    s.fadeOnBgmChange = c.fadeOnBgmChange;
    s.textWindowColor1 = c.textWindowColor1;
    s.textWindowColor2 = c.textWindowColor2;
    s.highlightColor = c.highlightColor;
    s.textWindowGradation = c.textWindowGradation;
    s.textWindowAlpha = c.textWindowAlpha;
    s.textWindowOutline = c.textWindowOutline;
    s.textSpeed = low(c.textSpeed);
    s.lineSpacing = low(c.lineSpacing);
    s.windowMargin = low(c.windowMargin);
    s.characterColors = c.characterColors;
    s.autoSpeed = low(c.autoSpeed);
    s.imagesToPreload = c.imagesToPreload;
    s.textHistorySize = c.textHistorySize;
    s.imageAntialiasing = c.imageAntialiasing;
    s.usePngAlpha = c.usePngAlpha;
    return s;
}

// A one-byte field replaces the low 8 bits of the value held.
void setLowByte(int& value, uint8_t byte) { value = static_cast<int>((static_cast<unsigned>(value) & ~0xFFu) | byte); }
void setLowByte(bool& value, uint8_t byte) { value = byte != 0; }
void setLowByte(uint8_t& value, uint8_t byte) { value = byte; }

void applySettings(const StoredSettings& s, GameConfig& config) {
    setLowByte(config.windowed, s.windowed);
    setLowByte(config.mouseTracking, s.mouseTracking);
    config.font.faceName = s.faceName;
    config.font.height = s.fontHeight;
    config.font.weight = s.fontWeight;
    setLowByte(config.textShadow, s.textShadow);
    setLowByte(config.textOutline, s.textOutline);
    config.textColor = s.textColor;
    setLowByte(config.font.italic, s.italic);
    setLowByte(config.font.underline, s.underline);
    setLowByte(config.font.strikeOut, s.strikeOut);
    setLowByte(config.bgmIsPcm, s.bgmIsPcm);
    setLowByte(config.bgmOn, s.bgmOn);
    setLowByte(config.effectsOn, s.effectsOn);
    setLowByte(config.voiceOn, s.voiceOn);
    // Volumes outside the silent-to-full range and a history larger than the
    // settings sheet offers come only from a damaged file; they are held to
    // their ranges so that neither the fades nor the backlog's allocation run away.
    config.bgmVolume = std::clamp(s.bgmVolume, kSilentVolume, 0);
    config.effectVolume = std::clamp(s.effectVolume, kSilentVolume, 0);
    config.voiceVolume = std::clamp(s.voiceVolume, kSilentVolume, 0);
    setLowByte(config.fadeOnBgmChange, s.fadeOnBgmChange);
    config.textWindowColor1 = s.textWindowColor1;
    config.textWindowColor2 = s.textWindowColor2;
    config.highlightColor = s.highlightColor;
    // The looks are chosen from fixed tables, as the configuration file's keys are.
    config.textWindowGradation = std::min<uint8_t>(s.textWindowGradation, 4);
    config.textWindowAlpha = std::min<uint8_t>(s.textWindowAlpha, 4);
    config.textWindowOutline = std::min<uint8_t>(s.textWindowOutline, 3);
    setLowByte(config.textSpeed, s.textSpeed);
    setLowByte(config.lineSpacing, s.lineSpacing);
    setLowByte(config.windowMargin, s.windowMargin);
    config.characterColors = s.characterColors;
    setLowByte(config.autoSpeed, s.autoSpeed);
    config.imagesToPreload = s.imagesToPreload;
    config.textHistorySize = std::clamp(s.textHistorySize, 0, kMaxTextHistory);
    setLowByte(config.imageAntialiasing, s.imageAntialiasing);
    setLowByte(config.usePngAlpha, s.usePngAlpha);
}

}  // namespace

std::string userSettingsFileName(std::string_view title) {
    std::string name(title);
    for (size_t i = 0; i < name.size(); i += static_cast<size_t>(cp949::charLength(static_cast<unsigned char>(name[i])))) {
        if (name[i] == '\\' || name[i] == '/') name[i] = '_';
    }
    return name + ".cfg";
}

std::string encodeUserSettings(const GameConfig& config) {
    StoredSettings stored = storedFrom(config);
    LayoutWriter writer;
    walkLayout(writer, stored);
    return writer.out.bytes();
}

bool decodeUserSettings(std::string_view bytes, GameConfig& config) {
    const std::optional<StoredSettings> stored = parseSettings(bytes);
    if (!stored) return false;
    applySettings(*stored, config);
    return true;
}

void readUserSettings(GameConfig& config, Platform& platform) {
    const std::optional<std::string> bytes = platform.files().readAll(userSettingsFileName(config.title));
    if (!bytes) {
        // A first start creates the file from the configuration's values.
        writeUserSettings(config, platform);
        return;
    }
    // A damaged file is refused as a whole; the configuration's values stand for
    // the run and the file is written anew at shutdown.
    decodeUserSettings(*bytes, config);
}

void writeUserSettings(const GameConfig& config, Platform& platform) {
    if (config.runsFromCdRom) return;
    if (!platform.files().writeAll(userSettingsFileName(config.title), encodeUserSettings(config))) {
        platform.messages().error("환경설정파일 저장에 실패했습니다.");
    }
}

}  // namespace morv
