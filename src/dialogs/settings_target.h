// What accepting the settings sheet asks of the engine and the window.
#pragma once

#include "dialogs/settings_applier.h"

namespace morv {

// The window's sound switches, as its menu items flip them.
class SoundSwitches {
public:
    virtual ~SoundSwitches() = default;
    virtual void toggleBgm() = 0;
    virtual void toggleEffects() = 0;
    virtual void toggleVoice() = 0;
};

// The settings pages reach the engine's re-apply operations and the window's
// sound switches after writing into the configuration.
struct SettingsTarget {
    SettingsApplier& engine;
    SoundSwitches& switches;
};

}  // namespace morv
