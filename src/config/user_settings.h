// The player's settings file.
#pragma once

namespace morv {

struct GameConfig;
class Platform;

// The player's settings file, named after the game title.
// Reads it over the configuration, or creates it when it does not exist.
void readUserSettings(GameConfig& config, Platform& platform);
// Writes it (never when the game runs from a CD-ROM).
void writeUserSettings(const GameConfig& config, Platform& platform);

}  // namespace morv
