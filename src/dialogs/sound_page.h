// The sound page of the settings sheet.
#pragma once
#include "dialogs/settings_page.h"

namespace morv {

// The BGM output, the three sound switches, their volumes (which act at once)
// and fading on every BGM change.
class CSoundPage final : public SettingsPage {
public:
    static constexpr int kPcmRadio = 20014;
    static constexpr int kCddaRadio = 20015;
    static constexpr int kBgmCheck = 1032;
    static constexpr int kEffectsCheck = 1033;
    static constexpr int kVoiceCheck = 1034;
    static constexpr int kBgmSlider = 1036;
    static constexpr int kEffectSlider = 1037;
    static constexpr int kVoiceSlider = 1038;
    static constexpr int kQuieterBgmCheck = 1031;
    static constexpr int kFadeCheck = 1010;
    // Slider positions are the volume + 5000.
    static constexpr int kSliderMax = 5000;

    using SettingsPage::SettingsPage;

    void open() override;
    void controls(std::vector<DialogControl>& out) const override;
    void handle(const ControlEvent& event) override;
    void accept() override;
    // The reference volumes come back, audibly.
    void cancel() override;

private:
    void setVolume(int id, int position);

    bool voiceAvailable_ = false;
    bool outputChangeable_ = false;
    bool pcm_ = true;
    bool bgm_ = false;
    bool effects_ = false;
    bool voice_ = false;
    bool fade_ = false;
    // The volumes at opening or at the last Apply.
    int referenceBgm_ = 0;
    int referenceEffect_ = 0;
    int referenceVoice_ = 0;
};

}  // namespace morv
