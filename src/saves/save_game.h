// The fields of a saved game and their order in the save file's stream.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/clock.h"
#include "script/call_stack.h"
#include "script/variable_table.h"

namespace morv {

class ByteStream;

// Everything a saved game keeps, in the order of its stream.
struct SaveGame {
    static constexpr std::string_view kHeader = "MORVSaveV1.750";
    // One-byte and two-byte text lengths.
    static constexpr size_t kMaxShortText = 0xFF;
    static constexpr size_t kMaxLongText = 0xFFFF;

    std::string header{kHeader};  // 14 bytes; loading does not check it
    LocalTime savedAt;
    std::string comment;
    std::vector<uint16_t> picture;  // the screen in RGB565, rows from the top
    std::vector<Variable> variables;
    std::string scenarioName;
    uint16_t scenarioLine = 0;  // the current page's first line; 0 for the start of the file
    std::string backgroundName;
    int32_t bgmFadeTimeMs = 0;
    std::string bgmName;
    std::string loopNames[2];
    int16_t characterScale = 100;
    bool windowHidden = false;
    bool fullScreenText = false;
    std::string effectWord;  // the running continuous effect, empty when none
    std::string effectParameter;
    std::vector<CallFrame> callFrames;
    int32_t fontHeight = 0;
    int32_t fontStyle = 0;  // 1 bold, 2 shadow, 4 outline, 8 italic, 16 underline, 32 strike-out
    std::string fontFace;
};

// The fields at the start of a saved game's stream that the slot dialogs show.
struct SaveHeading {
    std::string header;
    LocalTime savedAt;
    std::string comment;
    std::vector<uint16_t> picture;  // rows from the top
};

// Writes the whole stream of a saved game, header first. Texts longer than their
// length field can count are cut (at a character boundary) rather than written
// with a length that would garble every later field.
void writeSaveGame(ByteStream& out, const SaveGame& game);
// Reads a saved game whose picture has `picturePixels` pixels. A stream that ends
// before its last field, or a field that runs past the end, gives none instead of
// a game half made of garbage; bytes after the last field are ignored.
std::optional<SaveGame> readSaveGame(ByteStream& in, size_t picturePixels);
// Reads the header, the date, the comment and the picture only; none when the
// stream ends before the picture does.
std::optional<SaveHeading> readSaveHeading(ByteStream& in, size_t picturePixels);

}  // namespace morv
