// What accepting the settings sheet asks of the engine and the window.
#pragma once

#include "dialogs/settings_applier.h"

namespace morv {

// The engine's re-apply operations and the window's sound menu commands, as the
// settings pages use them after writing into the configuration.
class SettingsTarget : public SettingsApplier {
public:
    // The switch flips exactly as the menu item flips it.
    virtual void toggleBgm() = 0;
    virtual void toggleEffects() = 0;
    virtual void toggleVoice() = 0;
};

}  // namespace morv
