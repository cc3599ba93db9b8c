// Writing and reading the fields of a saved game.
#include "saves/save_game.h"

#include "bytes/byte_stream.h"
#include "platform/cp949.h"

namespace morv {

namespace {

void writeShortText(ByteStream& out, std::string_view text) {
    text = cp949::truncate(text, SaveGame::kMaxShortText);
    out.writeU8(static_cast<uint8_t>(text.size()));
    out.writeBytes(text);
}

void writeLongText(ByteStream& out, std::string_view text) {
    text = cp949::truncate(text, SaveGame::kMaxLongText);
    out.writeU16(static_cast<uint16_t>(text.size()));
    out.writeBytes(text);
}

bool readShortText(ByteStream& in, std::string& text) {
    uint8_t length;
    return in.readU8(length) && in.readBytes(length, text);
}

bool readLongText(ByteStream& in, std::string& text) {
    uint16_t length;
    return in.readU16(length) && in.readBytes(length, text);
}

bool readFlag(ByteStream& in, bool& flag) {
    uint8_t byte;
    if (!in.readU8(byte)) return false;
    flag = byte != 0;
    return true;
}

void writeDate(ByteStream& out, const LocalTime& time) {
    // The first four bytes of the calendar record are the year and the month, so
    // the month is written twice.
    out.writeU16(static_cast<uint16_t>(time.year));
    out.writeU16(static_cast<uint16_t>(time.month));
    for (int field : {time.month, time.day, time.weekday, time.hour, time.minute}) {
        out.writeU16(static_cast<uint16_t>(field));
    }
}

bool readDate(ByteStream& in, LocalTime& time) {
    uint16_t year, monthAgain, month, day, weekday, hour, minute;
    if (!in.readU16(year) || !in.readU16(monthAgain) || !in.readU16(month) || !in.readU16(day) ||
        !in.readU16(weekday) || !in.readU16(hour) || !in.readU16(minute)) {
        return false;
    }
    time = {year, month, day, weekday, hour, minute};
    return true;
}

}  // namespace

void writeSaveGame(ByteStream& out, const SaveGame& game) {
    std::string header = game.header;
    header.resize(SaveGame::kHeader.size(), '\0');
    out.writeBytes(header);
    writeDate(out, game.savedAt);
    writeLongText(out, game.comment);
    for (uint16_t pixel : game.picture) out.writeU16(pixel);
    VariableTable::WriteBlock(out, game.variables);
    writeShortText(out, game.scenarioName);
    out.writeU16(game.scenarioLine);
    writeShortText(out, game.backgroundName);
    out.writeI32(game.bgmFadeTimeMs);
    writeShortText(out, game.bgmName);
    // Optional texts: an empty one is its zero length alone.
    for (const std::string& loop : game.loopNames) writeShortText(out, loop);
    out.writeU16(static_cast<uint16_t>(game.characterScale));
    out.writeU8(game.windowHidden ? 1 : 0);
    out.writeU8(game.fullScreenText ? 1 : 0);
    writeShortText(out, game.effectWord);
    writeShortText(out, game.effectParameter);
    CallStack::WriteBlock(out, game.callFrames);
    out.writeI32(game.fontHeight);
    out.writeI32(game.fontStyle);
    writeShortText(out, game.fontFace);
}

std::optional<SaveHeading> readSaveHeading(ByteStream& in, size_t picturePixels) {
    SaveHeading heading;
    if (!in.readBytes(SaveGame::kHeader.size(), heading.header) || !readDate(in, heading.savedAt) ||
        !readLongText(in, heading.comment)) {
        return std::nullopt;
    }
    if (in.remaining() / 2 < picturePixels) return std::nullopt;
    heading.picture.resize(picturePixels);
    for (uint16_t& pixel : heading.picture) in.readU16(pixel);
    return heading;
}

std::optional<SaveGame> readSaveGame(ByteStream& in, size_t picturePixels) {
    SaveGame game;
    auto heading = readSaveHeading(in, picturePixels);
    if (!heading) return std::nullopt;
    game.header = std::move(heading->header);
    game.savedAt = heading->savedAt;
    game.comment = std::move(heading->comment);
    game.picture = std::move(heading->picture);
    auto variables = VariableTable::ReadBlock(in);
    if (!variables) return std::nullopt;
    game.variables = std::move(*variables);
    uint16_t scale;
    if (!readShortText(in, game.scenarioName) || !in.readU16(game.scenarioLine) ||
        !readShortText(in, game.backgroundName) || !in.readI32(game.bgmFadeTimeMs) ||
        !readShortText(in, game.bgmName) || !readShortText(in, game.loopNames[0]) ||
        !readShortText(in, game.loopNames[1]) || !in.readU16(scale) || !readFlag(in, game.windowHidden) ||
        !readFlag(in, game.fullScreenText) || !readShortText(in, game.effectWord) ||
        !readShortText(in, game.effectParameter)) {
        return std::nullopt;
    }
    game.characterScale = static_cast<int16_t>(scale);
    auto frames = CallStack::ReadBlock(in);
    if (!frames) return std::nullopt;
    game.callFrames = std::move(*frames);
    if (!in.readI32(game.fontHeight) || !in.readI32(game.fontStyle) || !readShortText(in, game.fontFace)) {
        return std::nullopt;
    }
    return game;
}

}  // namespace morv
