// The engine's operations that bring changed configuration values into use.
#pragma once

namespace morv {

// Called after the settings sheet wrote into the configuration.
class SettingsApplier {
public:
    virtual ~SettingsApplier() = default;
    virtual void applyTextWindow() = 0;
    virtual void applyTextSettings() = 0;
    // The configured font is made anew, then the text settings apply.
    virtual void applyFont() = 0;
    virtual void applyBgmVolume() = 0;
    virtual void applyEffectVolume() = 0;
    virtual void applyVoiceVolume() = 0;
    virtual void switchBgmOutput() = 0;
};

}  // namespace morv
