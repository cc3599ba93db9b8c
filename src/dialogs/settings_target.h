// What accepting the settings sheet asks of the engine and the window.
#pragma once

namespace morv {

// The engine's re-apply operations and the window's sound menu commands, as the
// settings pages use them after writing into the configuration.
class SettingsTarget {
public:
    virtual ~SettingsTarget() = default;
    virtual void applyTextWindow() = 0;
    virtual void applyTextSettings() = 0;
    // A new font from the configuration, then the text settings.
    virtual void applyFont() = 0;
    virtual void applyBgmVolume() = 0;
    virtual void applyEffectVolume() = 0;
    virtual void applyVoiceVolume() = 0;
    virtual void switchBgmOutput() = 0;
    // The switch flips exactly as the menu item flips it.
    virtual void toggleBgm() = 0;
    virtual void toggleEffects() = 0;
    virtual void toggleVoice() = 0;
};

}  // namespace morv
