// Reading the game configuration file.
#pragma once

namespace morv {

struct GameConfig;
class Platform;

// Reads "morv.ini" over the defaults. False after its messages when the file
// cannot be read or holds a key that is not a configuration key.
bool readGameConfiguration(GameConfig& config, Platform& platform);

}  // namespace morv
