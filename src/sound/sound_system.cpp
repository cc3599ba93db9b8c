// The sound system.
#include "sound/sound_system.h"

namespace morv {

SoundSystem::SoundSystem(const GameConfig& config, Platform& platform) : config_(config), platform_(platform) {}

SoundSystem::~SoundSystem() = default;

bool SoundSystem::initialise() { return true; }

void SoundSystem::stopAll() {}

}  // namespace morv
