// The save file: its plain header, lengths and compressed body, the fields in order, and refusals.
#include <gtest/gtest.h>
#include <zlib.h>

#include "saves/save_game.h"
#include "saves/save_picture.h"
#include "saves/save_stream.h"

namespace morv {
namespace {

using namespace std::string_literals;

std::string le32(uint32_t v) {
    return {static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16), static_cast<char>(v >> 24)};
}

std::string inflated(std::string_view compressed, size_t bound) {
    std::string out(bound, '\0');
    uLongf size = bound;
    EXPECT_EQ(uncompress(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(compressed.data()),
                         compressed.size()),
              Z_OK);
    out.resize(size);
    return out;
}

// A game with every field set, its picture two pixels wide and one high.
SaveGame sampleGame() {
    SaveGame game;
    game.savedAt = {2026, 12, 8, 2, 15, 30};
    game.comment = "c1";
    game.picture = {0xF800, 0x001F};
    game.variables = {Variable{"n", -2, "", false}, Variable{"t", 0, "xy", true}};
    game.scenarioName = "s.txt";
    game.scenarioLine = 0x0102;
    game.backgroundName = "bg";
    game.bgmFadeTimeMs = 600;
    game.bgmName = "m.wav";
    game.loopNames[1] = "rain";
    game.characterScale = 50;
    game.windowHidden = true;
    game.fullScreenText = false;
    game.effectWord = "fx";
    game.effectParameter = "p";
    game.callFrames = {CallFrame{"a.txt", 7}};
    game.fontHeight = 20;
    game.fontStyle = 3;
    game.fontFace = "f";
    return game;
}

TEST(SaveFileTest, TheSampleGameWritesItsFieldsInOrderAndReadsBackWhole) {
    ByteStream out;
    writeSaveGame(out, sampleGame());
    const std::string expected =
        "MORVSaveV1.750"s
        "\xEA\x07\x0C\x00" "\x0C\x00" "\x08\x00" "\x02\x00" "\x0F\x00" "\x1E\x00"s  // date, month twice
        "\x02\x00" "c1"s                                                            // long text
        "\x00\xF8" "\x1F\x00"s                                                      // picture
        "\x02\0\0\0" "\x01n\x00\xFE\xFF\xFF\xFF" "\x01t\x01\x02\0\0\0xy"s           // block A
        "\x05s.txt" "\x02\x01" "\x02" "bg" "\x58\x02\0\0" "\x05m.wav"s
        "\x00" "\x04rain"s                                                          // loops: empty, rain
        "\x32\x00" "\x01" "\x00" "\x02" "fx" "\x01p"s
        "\x01\0\0\0" "\x05\0\0\0a.txt" "\x07\0\0\0"s                                // block B
        "\x14\0\0\0" "\x03\0\0\0" "\x01" "f"s;
    EXPECT_EQ(out.bytes(), expected);

    ByteStream in(out.bytes());
    auto game = readSaveGame(in, 2);
    ASSERT_TRUE(game);
    const SaveGame sample = sampleGame();
    EXPECT_EQ(game->savedAt.year, 2026);
    EXPECT_EQ(game->savedAt.month, 12);
    EXPECT_EQ(game->savedAt.weekday, 2);
    EXPECT_EQ(game->comment, sample.comment);
    EXPECT_EQ(game->picture, sample.picture);
    ASSERT_EQ(game->variables.size(), 2u);
    EXPECT_EQ(game->variables[0].number, -2);
    EXPECT_EQ(game->variables[1].text, "xy");
    EXPECT_EQ(game->scenarioLine, 0x0102);
    EXPECT_EQ(game->loopNames[0], "");
    EXPECT_EQ(game->loopNames[1], "rain");
    EXPECT_EQ(game->characterScale, 50);
    EXPECT_TRUE(game->windowHidden);
    EXPECT_EQ(game->effectWord, "fx");
    ASSERT_EQ(game->callFrames.size(), 1u);
    EXPECT_EQ(game->callFrames[0].line, 7);
    EXPECT_EQ(game->fontFace, "f");
    EXPECT_EQ(in.remaining(), 0u);
}

TEST(SaveFileTest, TextsLongerThanTheirLengthFieldAreCutAtACharacterBoundary) {
    SaveGame game = sampleGame();
    game.bgmName = "a" + std::string(127, '\0') + std::string(254, '\xB0');  // a 2-byte character straddles 255
    game.comment = std::string(70000, 'c');
    ByteStream out;
    writeSaveGame(out, game);
    ByteStream in(out.bytes());
    auto back = readSaveGame(in, 2);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->comment.size(), SaveGame::kMaxLongText);
    EXPECT_EQ(back->bgmName.size(), 254u);
    EXPECT_EQ(back->fontFace, "f");  // every later field still in place
}

TEST(SaveFileTest, AStreamThatEndsBeforeItsLastFieldIsRefused) {
    ByteStream out;
    writeSaveGame(out, sampleGame());
    const std::string& whole = out.bytes();
    for (size_t length = 0; length < whole.size(); ++length) {
        ByteStream in(whole.substr(0, length));
        EXPECT_FALSE(readSaveGame(in, 2)) << length;
    }
    // A picture larger than the stream is refused before anything is allocated for it.
    ByteStream in(whole);
    EXPECT_FALSE(readSaveGame(in, size_t{1} << 40));
}

TEST(SaveFileTest, TheFileKeepsItsHeaderPlainAndItsBodyCompressedWithTheCapacityAsBound) {
    SaveStream stream = SaveStream::forSaving();
    writeSaveGame(stream, sampleGame());
    auto file = stream.fileBytes();
    ASSERT_TRUE(file);
    EXPECT_EQ(file->substr(0, 14), "MORVSaveV1.750");
    const uint32_t compressedSize = static_cast<uint32_t>(file->size() - 22);
    EXPECT_EQ(file->substr(14, 4), le32(compressedSize));
    EXPECT_EQ(file->substr(18, 4), le32(0xA0000));
    EXPECT_EQ(inflated(file->substr(22), 0xA0000), stream.bytes().substr(14));

    auto back = SaveStream::fromFileBytes(*file);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->bytes(), stream.bytes());
    EXPECT_EQ(back->position(), 0u);
}

TEST(SaveFileTest, TheCapacityGrowsByTheAppendThatWouldFillIt) {
    SaveStream stream = SaveStream::forSaving();
    stream.writeBytes("MORVSaveV1.750");
    // Two-byte pixels: the one that would end exactly at the capacity grows it by
    // two, and from then on the capacity stays two bytes ahead.
    while (stream.bytes().size() < 0xA0000 + 100) stream.writeU16(0x1234);
    EXPECT_EQ(stream.capacity(), stream.bytes().size() + 2);
    // One large append past the capacity grows it by that append's size.
    SaveStream big = SaveStream::forSaving();
    big.writeBytes(std::string(0xA0000 + 5, 'x'));
    EXPECT_EQ(big.capacity(), 0xA0000u + 0xA0000u + 5u);
    auto file = stream.fileBytes();
    ASSERT_TRUE(file);
    auto back = SaveStream::fromFileBytes(*file);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->bytes(), stream.bytes());
}

TEST(SaveFileTest, ALegacyFileIsReadWholeWithoutDecompression) {
    ByteStream body;
    SaveGame game = sampleGame();
    game.header = "MORV SaveV1.00";
    writeSaveGame(body, game);
    auto stream = SaveStream::fromFileBytes(body.bytes());
    ASSERT_TRUE(stream);
    EXPECT_EQ(stream->bytes(), body.bytes());
    auto back = readSaveGame(*stream, 2);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->header, "MORV SaveV1.00");
    EXPECT_EQ(back->bgmName, "m.wav");
}

TEST(SaveFileTest, DamagedFilesAreRefused) {
    SaveStream stream = SaveStream::forSaving();
    writeSaveGame(stream, sampleGame());
    const std::string file = *stream.fileBytes();
    auto refused = [](const std::string& bytes) { return !SaveStream::fromFileBytes(bytes).has_value(); };
    EXPECT_TRUE(refused(""));
    EXPECT_TRUE(refused(file.substr(0, 13)));                 // shorter than a header
    EXPECT_TRUE(refused(file.substr(0, 20)));                 // lengths cut off
    EXPECT_TRUE(refused("MORVSavX" + file.substr(8)));         // unknown prefix
    EXPECT_TRUE(refused(file.substr(0, file.size() - 1)));    // body shorter than its length
    std::string absurd = file;
    absurd.replace(18, 4, le32(SaveStream::kMaxBodyBound + 1));
    EXPECT_TRUE(refused(absurd));
    std::string tooSmall = file;
    tooSmall.replace(18, 4, le32(10));  // the body does not fit its bound
    EXPECT_TRUE(refused(tooSmall));
    std::string garbled = file;
    garbled[24] = static_cast<char>(garbled[24] ^ 0x55);
    garbled[30] = static_cast<char>(garbled[30] ^ 0x55);
    EXPECT_TRUE(refused(garbled));
}

TEST(SavePictureTest, ThirtyTwoBitPixelsKeepTheirHighBitsAndSixteenBitOnesPassUnchanged) {
    const std::vector<uint8_t> xrgb = {0xFF, 0x80, 0x08, 0x00, 0x07, 0x03, 0xFF, 0x00};  // 0x000880FF, 0x00FF0307
    const std::vector<uint16_t> picture = savedPicture(xrgb, PixelFormat::Xrgb8888);
    ASSERT_EQ(picture.size(), 2u);
    EXPECT_EQ(picture[0], (0x08 >> 3) << 11 | (0x80 >> 2) << 5 | (0xFF >> 3));
    EXPECT_EQ(picture[1], (0xFF >> 3) << 11 | (0x03 >> 2) << 5 | (0x07 >> 3));
    const std::vector<uint8_t> back = displayPixels(picture, PixelFormat::Xrgb8888);
    EXPECT_EQ(back, (std::vector<uint8_t>{0xF8, 0x80, 0x08, 0x00, 0x00, 0x00, 0xF8, 0x00}));

    const std::vector<uint8_t> rgb565 = {0x34, 0x12, 0xFF, 0xFF};
    EXPECT_EQ(savedPicture(rgb565, PixelFormat::Rgb565), (std::vector<uint16_t>{0x1234, 0xFFFF}));
    EXPECT_EQ(displayPixels({0x1234, 0xFFFF}, PixelFormat::Rgb565), rgb565);
}

}  // namespace
}  // namespace morv
