// Saved games as the interpreter sees them: the save directory and the previous-choice save.
#pragma once

namespace morv {

class FileResolver;
struct GameConfig;

// The save and load procedure's entry points.
class SaveProcedure {
public:
    // Name of the previous-choice save in the save directory.
    static constexpr const char* kPreviousChoiceSave = "save0090.dat";
    static constexpr int kPreviousChoiceSlot = 90;

    SaveProcedure(const GameConfig& config, FileResolver& files);

    void ensureSaveDirectory();
    void deletePreviousChoiceSave();
    // Taken just before a choice is picked, so that the player can come back to
    // the page. Games stored as files do not write it yet; the call is in place.
    void savePreviousChoice();

private:
    const GameConfig& config_;
    FileResolver& files_;
};

}  // namespace morv
