#include "display/screen.h"

#include "config/game_config.h"
#include "platform/platform.h"

namespace morv {

Screen::Screen(const GameConfig& config, Platform& platform) : config_(config), platform_(platform) {}

Screen::~Screen() = default;

int Screen::createDisplay() { return 0; }

void Screen::restoreDisplayMode() {}

void Screen::resetEffectState() {}

void Screen::reset() {}

}  // namespace morv
