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

void writeZeros(ByteStream& out, size_t count) { out.writeBytes(std::string(count, '\0')); }

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

bool readCharacterColors(ByteStream& in, StoredSettings& stored) {
    uint8_t count;
    if (!in.readU8(count) || count > GameConfig::kCharacterColors) return false;
    for (int i = 0; i < count; ++i) {
        CharacterColor& entry = stored.characterColors[static_cast<size_t>(i)];
        if (!readCountedName(in, kMaxCharacterNameBytes + 1, entry.name) || !in.readU32(entry.color)) return false;
    }
    return true;
}

// Reads the fields in the order of the layout. A file shorter than the layout, a
// face name longer than the font record holds or more than 50 character colours
// are refused, so that no field is read out of its place.
std::optional<StoredSettings> parseSettings(std::string_view bytes) {
    ByteStream in{std::string(bytes)};
    StoredSettings s{};
    const bool whole =
        in.readU8(s.windowed) && in.readU8(s.mouseTracking) && in.skip(10) &&
        readCountedName(in, FontRecord::kFaceSize, s.faceName) && in.readI32(s.fontHeight) &&
        in.readI32(s.fontWeight) && in.readU8(s.textShadow) && in.readU8(s.textOutline) && in.readU32(s.textColor) &&
        in.readU8(s.italic) && in.readU8(s.underline) && in.readU8(s.strikeOut) && in.skip(7) &&
        in.readU8(s.bgmIsPcm) && in.readU8(s.bgmOn) && in.readU8(s.effectsOn) && in.readU8(s.voiceOn) &&
        in.readI32(s.bgmVolume) && in.readI32(s.effectVolume) && in.readI32(s.voiceVolume) &&
        in.readU8(s.fadeOnBgmChange) && in.skip(10) && in.readU32(s.textWindowColor1) &&
        in.readU32(s.textWindowColor2) && in.readU32(s.highlightColor) && in.readU8(s.textWindowGradation) &&
        in.readU8(s.textWindowAlpha) && in.readU8(s.textWindowOutline) && in.skip(10) && in.readU8(s.textSpeed) &&
        in.readU8(s.lineSpacing) && in.readU8(s.windowMargin) && readCharacterColors(in, s) &&
        in.readU8(s.autoSpeed) && in.skip(5) && in.readI32(s.imagesToPreload) && in.readI32(s.textHistorySize) &&
        in.readU8(s.imageAntialiasing) && in.readU8(s.usePngAlpha);
    if (!whole) return std::nullopt;
    // A face name of 32 bytes without its zero keeps what the font record holds.
    s.faceName = std::string(cp949::truncate(s.faceName, FontRecord::kFaceSize - 1));
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
    ByteStream out;
    out.writeU8(config.windowed);
    out.writeU8(config.mouseTracking);
    writeZeros(out, 10);
    writeCountedName(out, config.font.faceName, FontRecord::kFaceSize - 1);
    out.writeI32(config.font.height);
    out.writeI32(config.font.weight);
    out.writeU8(config.textShadow);
    out.writeU8(config.textOutline);
    out.writeU32(config.textColor);
    out.writeU8(config.font.italic);
    out.writeU8(config.font.underline);
    out.writeU8(config.font.strikeOut);
    writeZeros(out, 7);
    out.writeU8(config.bgmIsPcm);
    out.writeU8(config.bgmOn);
    out.writeU8(config.effectsOn);
    out.writeU8(config.voiceOn);
    out.writeI32(config.bgmVolume);
    out.writeI32(config.effectVolume);
    out.writeI32(config.voiceVolume);
    out.writeU8(config.fadeOnBgmChange);
    writeZeros(out, 10);
    out.writeU32(config.textWindowColor1);
    out.writeU32(config.textWindowColor2);
    out.writeU32(config.highlightColor);
    out.writeU8(config.textWindowGradation);
    out.writeU8(config.textWindowAlpha);
    out.writeU8(config.textWindowOutline);
    writeZeros(out, 10);
    out.writeU8(static_cast<uint8_t>(config.textSpeed));
    out.writeU8(static_cast<uint8_t>(config.lineSpacing));
    out.writeU8(static_cast<uint8_t>(config.windowMargin));
    // The entries are written up to the first free one.
    const auto& colors = config.characterColors;
    const auto firstFree =
        std::find_if(colors.begin(), colors.end(), [](const CharacterColor& entry) { return entry.name.empty(); });
    out.writeU8(static_cast<uint8_t>(firstFree - colors.begin()));
    for (auto entry = colors.begin(); entry != firstFree; ++entry) {
        writeCountedName(out, entry->name, kMaxCharacterNameBytes);
        out.writeU32(entry->color);
    }
    out.writeU8(static_cast<uint8_t>(config.autoSpeed));
    writeZeros(out, 5);
    out.writeI32(config.imagesToPreload);
    out.writeI32(config.textHistorySize);
    out.writeU8(config.imageAntialiasing);
    out.writeU8(config.usePngAlpha);
    return out.bytes();
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
