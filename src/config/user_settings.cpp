// Reading and writing the player's settings file.
#include "config/user_settings.h"

namespace morv {

// The settings file format arrives with the settings issue; until then the
// configuration's values stand for the run.
void readUserSettings(GameConfig&, Platform&) {}
void writeUserSettings(const GameConfig&, Platform&) {}

}  // namespace morv
