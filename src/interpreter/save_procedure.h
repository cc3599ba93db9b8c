// Saved games as the interpreter sees them: slots, the save directory and the previous-choice save.
#pragma once
#include <memory>
#include <optional>
#include <string>

#include "saves/save_game.h"

namespace morv {

class Clock;
class ContinuousEffect;
class FileResolver;
class MessageBoxes;
class RunningScripts;
class ScenarioState;
class Screen;
class ScriptFactory;
class ScriptFile;
class SoundSystem;
struct GameConfig;

// The parts of the game a save gathers and a load gives back.
struct SaveContext {
    const GameConfig& config;
    FileResolver& files;
    Clock& clock;
    MessageBoxes& messages;
    Screen& screen;
    SoundSystem& sound;
    ScenarioState& state;
    ScriptFactory& factory;
    RunningScripts& scripts;
    const ContinuousEffect& continuousEffect;
};

// Writes a slot from the running game and gives a slot's game back to its owners.
class SaveProcedure {
public:
    // Name of the previous-choice save in the save directory.
    static constexpr const char* kPreviousChoiceSave = "save0090.dat";
    static constexpr int kPreviousChoiceSlot = 90;
    // The slots the player saves into and loads from.
    static constexpr int kFirstSlot = 1;
    static constexpr int kLastSlot = 50;

    // A slot's file name in the save directory ("Save0003.dat" for slot 3).
    static std::string slotFileName(int slot);

    explicit SaveProcedure(const SaveContext& context) : c_(context) {}

    // The slot's file in the save directory ("Save0003.dat" for slot 3).
    std::string slotFile(int slot) const;

    // Writes the slot through a temporary file, so a failure leaves the previous
    // save whole; false after "파일 생성에 실패했습니다.".
    bool save(int slot);
    // Reads the slot and gives every part of the game its saved state back, the
    // interpreter's own state and the continuous effect excepted: the caller resets
    // the one and restarts the other from the returned game. None after the
    // failure's message, with nothing of the game changed.
    std::optional<SaveGame> load(int slot);

    void ensureSaveDirectory();
    void deletePreviousChoiceSave();
    bool previousChoiceSaveExists() const;
    // Taken just before a choice is picked, so that the player can come back to the page.
    void savePreviousChoice() { save(kPreviousChoiceSlot); }

private:
    SaveGame gather() const;
    // Everything of a loaded game but the interpreter and the continuous effect.
    void restore(const SaveGame& game, std::unique_ptr<ScriptFile> scenario);

    SaveContext c_;
};

}  // namespace morv
