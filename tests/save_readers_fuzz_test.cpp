// The readers of stored blocks fed random and cut bytes.
#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "platform/headless/headless_platform.h"
#include "saves/flag_files.h"
#include "saves/read_log.h"
#include "saves/save_game.h"
#include "saves/save_stream.h"
#include "script/call_stack.h"
#include "script/variable_table.h"

namespace morv {
namespace {

// Feeds every reader random bytes, every prefix of a valid sample and valid samples
// with a few bytes changed; under the sanitizers any read out of bounds or
// unbounded allocation fails the run.
class ReaderFuzz {
public:
    explicit ReaderFuzz(std::function<void(const std::string&)> reader) : reader_(std::move(reader)) {}

    void run(const std::string& sample) {
        for (size_t length = 0; length <= sample.size(); ++length) reader_(sample.substr(0, length));
        for (int i = 0; i < 1500; ++i) reader_(mutated(sample));
        for (int i = 0; i < 1500; ++i) reader_(randomBytes());
    }

private:
    std::string mutated(std::string bytes) {
        if (bytes.empty()) return bytes;
        int changes = 1 + static_cast<int>(random_() % 4);
        for (int c = 0; c < changes; ++c) {
            size_t at = random_() % bytes.size();
            // Favour the extreme values that make lengths and counts absurd.
            uint32_t pick = random_() % 4;
            bytes[at] = static_cast<char>(pick == 0 ? 0xFF : pick == 1 ? 0x00 : random_());
        }
        if (random_() % 4 == 0) bytes.resize(random_() % bytes.size());
        return bytes;
    }

    std::string randomBytes() {
        std::string bytes(random_() % 48, '\0');
        for (char& b : bytes) b = static_cast<char>(random_() % 4 == 0 ? 0xFF : random_());
        return bytes;
    }

    std::function<void(const std::string&)> reader_;
    std::mt19937 random_{20261208};
};

TEST(SaveReadersFuzzTest, VariableBlockNeverFaults) {
    HeadlessPlatform platform;
    VariableTable source(platform);
    source.Declare("number", "-77", false);
    source.Declare("text", "hello", false);
    source.Declare("digits", "x", false);
    source.Modify("digits", "123", '=', false);
    SaveStream sample;
    source.Write(sample);

    VariableTable target(platform);
    ReaderFuzz([&](const std::string& bytes) {
        SaveStream in(bytes);
        if (target.Read(in)) {
            EXPECT_LE(in.position(), bytes.size());
        }
    }).run(sample.bytes());
}

TEST(SaveReadersFuzzTest, CallStackBlockNeverFaults) {
    HeadlessPlatform platform;
    CallStack source(platform.messages());
    source.Push("main.txt", 10);
    source.Push("sub.txt", 20);
    SaveStream sample;
    source.Write(sample);

    CallStack target(platform.messages());
    ReaderFuzz([&](const std::string& bytes) {
        SaveStream in(bytes);
        if (target.Read(in)) {
            EXPECT_LE(target.frames().size(), CallStack::kMaxFrames);
        }
    }).run(sample.bytes());
    EXPECT_TRUE(platform.messagesShown().empty());
}

TEST(SaveReadersFuzzTest, ReadLogFileNeverFaults) {
    std::string sample = ReadLog::encode({ReadLog::Entry{"a.txt", 3, std::string("\0\1\0\1", 4)},
                                          ReadLog::Entry{"b.txt", 0, std::string(1, '\0')}});
    ReaderFuzz([](const std::string& bytes) {
        if (auto entries = ReadLog::decode(bytes)) {
            for (const auto& entry : *entries) EXPECT_EQ(entry.marks.size(), size_t(entry.lineCount) + 1);
        }
    }).run(sample);
}

TEST(SaveReadersFuzzTest, FlagStoreNeverFaults) {
    std::string sample = encodeFlagStore({Flag{"bg01", Flag::kSet}, Flag{"ev", Flag::kNotSet}});
    ReaderFuzz([](const std::string& bytes) {
        if (auto flags = decodeFlagStore(bytes)) {
            EXPECT_LE(flags->size(), bytes.size() / 8);
        }
    }).run(sample);
}

// Saved games, compressed and legacy, with a picture of four pixels.
TEST(SaveReadersFuzzTest, SaveFileNeverFaults) {
    SaveGame game;
    game.comment = "comment";
    game.picture = {1, 2, 3, 4};
    game.variables = {Variable{"n", 5, "", false}, Variable{"t", 0, "text", true}};
    game.scenarioName = "s.txt";
    game.bgmName = "m.wav";
    game.loopNames[1] = "rain.wav";
    game.callFrames = {CallFrame{"a.txt", 3}};
    game.fontFace = "face";
    SaveStream compressed = SaveStream::forSaving();
    writeSaveGame(compressed, game);
    game.header = "MORV SaveV1.00";
    SaveStream legacy;
    writeSaveGame(legacy, game);

    for (const std::string& sample : {*compressed.fileBytes(), legacy.bytes()}) {
        ReaderFuzz([](const std::string& bytes) {
            auto stream = SaveStream::fromFileBytes(bytes);
            if (!stream) return;
            if (auto read = readSaveGame(*stream, 4)) {
                EXPECT_EQ(read->picture.size(), 4u);
                EXPECT_LE(stream->position(), stream->bytes().size());
            }
        }).run(sample);
    }
}

}  // namespace
}  // namespace morv
