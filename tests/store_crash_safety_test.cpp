// A writer killed at any moment leaves the old file or the new one whole, never a torn one.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <thread>

#include "config/game_config.h"
#include "config/user_settings.h"
#include "platform/file_resolver.h"
#include "platform/headless/headless_platform.h"
#include "saves/flag_files.h"
#include "saves/read_log.h"
#include "saves/save_game.h"
#include "saves/save_stream.h"
#include "support/temp_dir.h"

namespace morv {
namespace {

constexpr int kEntries = 40;
constexpr int kLines = 4000;  // large enough that a write takes a while
constexpr const char* kSaveFile = "Save0001.dat";
constexpr size_t kSavePixels = 320 * 240;

std::string generationName(int generation, int entry) {
    return "gen" + std::to_string(generation) + "-" + std::to_string(entry) + ".txt";
}

// The settings file of one generation: every character colour named after it.
void writeSettingsGeneration(Platform& platform, int generation) {
    GameConfig config;
    config.imagesToPreload = generation;
    for (int entry = 0; entry < GameConfig::kCharacterColors; ++entry) {
        config.characterColors[static_cast<size_t>(entry)].name = generationName(generation, entry) + std::string(200, 'x');
    }
    writeUserSettings(config, platform);
}

// A saved game of one generation, written as the engine writes a slot.
void writeSaveGeneration(const FileResolver& files, int generation) {
    SaveGame game;
    game.comment = generationName(generation, 0);
    game.picture.assign(kSavePixels, static_cast<uint16_t>(generation));
    SaveStream stream = SaveStream::forSaving();
    writeSaveGame(stream, game);
    files.writeAll(kSaveFile, *stream.fileBytes());
}

// Writes "read.dat", "cg.cfg", the settings file and a saved game of one generation through the
// engine's own writers.
void writeGeneration(const FileResolver& files, Platform& platform, int generation) {
    writeSaveGeneration(files, generation);
    ReadLog log(files);
    for (int entry = 0; entry < kEntries; ++entry) log.IsRead(generationName(generation, entry), 1, kLines);
    log.save();
    FlagTable flags;
    std::vector<Flag> list;
    for (int entry = 0; entry < kEntries * 50; ++entry) list.push_back(Flag{generationName(generation, entry), 1});
    flags.assign(std::move(list));
    saveFlags(flags, files);
    writeSettingsGeneration(platform, generation);
}

// The generation that a whole file of one writer holds, or -1 for a torn or mixed file.
int readLogGeneration(const FileResolver& files) {
    auto bytes = files.readAll(ReadLog::kFileName);
    if (!bytes) return -1;
    auto entries = ReadLog::decode(*bytes);
    if (!entries || entries->size() != kEntries) return -1;
    const int generation = std::stoi(entries->front().fileName.substr(3));
    for (int entry = 0; entry < kEntries; ++entry) {
        const ReadLog::Entry& e = (*entries)[entry];
        if (e.fileName != generationName(generation, entry) || e.lineCount != kLines) return -1;
    }
    return generation;
}

int flagGeneration(const FileResolver& files) {
    auto bytes = files.readAll(kFlagStoreFile);
    if (!bytes) return -1;
    auto flags = decodeFlagStore(*bytes);
    if (!flags || flags->size() != size_t{kEntries} * 50) return -1;
    const int generation = std::stoi(flags->front().name.substr(3));
    for (size_t entry = 0; entry < flags->size(); ++entry) {
        if ((*flags)[entry].name != generationName(generation, static_cast<int>(entry))) return -1;
    }
    return generation;
}

int settingsGeneration(const FileResolver& files) {
    GameConfig defaults;
    auto bytes = files.readAll(userSettingsFileName(defaults.title));
    GameConfig config;
    if (!bytes || !decodeUserSettings(*bytes, config)) return -1;
    const int generation = config.imagesToPreload;
    for (int entry = 0; entry < GameConfig::kCharacterColors; ++entry) {
        if (config.characterColors[static_cast<size_t>(entry)].name !=
            generationName(generation, entry) + std::string(200, 'x')) {
            return -1;
        }
    }
    return generation;
}

int saveGeneration(const FileResolver& files) {
    auto bytes = files.readAll(kSaveFile);
    if (!bytes) return -1;
    auto stream = SaveStream::fromFileBytes(*bytes);
    if (!stream) return -1;
    auto game = readSaveGame(*stream, kSavePixels);
    if (!game || game->comment.substr(0, 3) != "gen") return -1;
    const int generation = std::stoi(game->comment.substr(3));
    if (game->comment != generationName(generation, 0) || game->picture.back() != static_cast<uint16_t>(generation)) {
        return -1;
    }
    return generation;
}

// A process killed at any moment while it rewrites the stores, the settings and a save leaves each of them
// either as it was or completely new, never torn.
TEST(StoreCrashSafety, KilledWriterLeavesOldOrNewFile) {
    testing::TempDir dir;
    testing::CurrentDirectory inGame(dir.path());  // where the settings file is written
    HeadlessPlatform platform;
    const FileResolver files(dir.path());
    writeGeneration(files, platform, 0);
    std::mt19937 random(4242);
    int lastReadLog = 0;
    int lastFlags = 0;
    int lastSettings = 0;
    int lastSave = 0;
    for (int round = 0; round < 25; ++round) {
        const int first = (round + 1) * 1000;
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int generation = first;; ++generation) writeGeneration(files, platform, generation);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 40000));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status));

        const int readLog = readLogGeneration(files);
        const int flags = flagGeneration(files);
        const int settings = settingsGeneration(files);
        const int save = saveGeneration(files);
        EXPECT_TRUE(readLog == lastReadLog || readLog >= first) << "round " << round << ": read.dat " << readLog;
        EXPECT_TRUE(flags == lastFlags || flags >= first) << "round " << round << ": cg.cfg " << flags;
        EXPECT_TRUE(settings == lastSettings || settings >= first) << "round " << round << ": settings " << settings;
        EXPECT_TRUE(save == lastSave || save >= first) << "round " << round << ": save " << save;
        lastReadLog = readLog;
        lastSettings = settings;
        lastSave = save;
        lastFlags = flags;
    }
}

}  // namespace
}  // namespace morv
