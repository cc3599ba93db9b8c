// Comparing a morv-headless snapshot with a golden picture under tests/golden.
#pragma once
#include <string>

namespace morv::testing {

// Plays tests/golden/EVENTS.events on the test game GAME and compares its snapshot
// "golden" with tests/golden/PICTURE.png, tolerating small differences of shading
// (MORV_UPDATE_GOLDEN=1 replaces the picture with the snapshot first).
void expectMatchesGolden(const std::string& game, const std::string& events, const std::string& picture);

}  // namespace morv::testing
