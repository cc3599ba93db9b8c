// The player's settings file.
#pragma once
#include <string>
#include <string_view>

namespace morv {

struct GameConfig;
class Platform;

// The settings file of a game: its title followed by ".cfg", in the game
// directory. Slashes and backslashes of the title become "_", so that every
// title names a file of that directory.
std::string userSettingsFileName(std::string_view title);

// The file's bytes for the configuration's current values.
std::string encodeUserSettings(const GameConfig& config);
// Reads the stored values over the configuration; each one-byte field replaces
// only the low 8 bits of the value held. Bytes that do not hold the whole layout
// are refused as a whole: false, and the configuration keeps every value.
bool decodeUserSettings(std::string_view bytes, GameConfig& config);

// Reads the settings file over the configuration, or creates it from the
// configuration's values when it does not exist yet.
void readUserSettings(GameConfig& config, Platform& platform);
// Writes it (never when the game runs from a CD-ROM); a failure is shown to the player.
void writeUserSettings(const GameConfig& config, Platform& platform);

}  // namespace morv
