// The sound page: volumes act when a slider is let go; switches flip as the menu flips them.
#include "dialogs/sound_page.h"

#include <algorithm>

#include "config/game_config.h"
#include "dialogs/dialog_controls.h"
#include "dialogs/dialog_texts.h"
#include "dialogs/settings_target.h"

namespace morv {

namespace {

constexpr int kSilent = -5000;

}  // namespace

void CSoundPage::open() {
    voiceAvailable_ = config_.voiceAvailable;
    outputChangeable_ = config_.bgmOutputChangeable;
    pcm_ = config_.bgmIsPcm;
    bgm_ = config_.bgmOn;
    effects_ = config_.effectsOn;
    voice_ = voiceAvailable_ && config_.voiceOn;
    fade_ = config_.fadeOnBgmChange;
    referenceBgm_ = config_.bgmVolume;
    referenceEffect_ = config_.effectVolume;
    referenceVoice_ = config_.voiceVolume;
}

void CSoundPage::controls(std::vector<DialogControl>& out) const {
    out.push_back(controls::group(dialog_text::kBgmOutputGroup));
    out.push_back(controls::radio(kPcmRadio, dialog_text::kPcm, pcm_, outputChangeable_, false));
    out.push_back(controls::radio(kCddaRadio, dialog_text::kCdda, !pcm_, outputChangeable_, true));
    const auto row = [&out](int checkId, const char* caption, bool on, int sliderId, int volume, bool enabled) {
        DialogControl box = controls::check(checkId, caption, on, enabled);
        box.width = 90;
        out.push_back(box);
        out.push_back(controls::label(dialog_text::kQuiet, enabled, true));
        DialogControl slider = controls::slider(sliderId, volume - kSilent, 0, kSliderMax, enabled);
        slider.page = 500;
        out.push_back(slider);
        out.push_back(controls::label(dialog_text::kLoud, enabled, true));
    };
    row(kBgmCheck, dialog_text::kBgm, bgm_, kBgmSlider, config_.bgmVolume, true);
    row(kEffectsCheck, dialog_text::kEffects, effects_, kEffectSlider, config_.effectVolume, true);
    row(kVoiceCheck, dialog_text::kVoice, voice_, kVoiceSlider, config_.voiceVolume, voiceAvailable_);
    out.push_back(controls::check(kQuieterBgmCheck, dialog_text::kQuieterBgmWithVoice, false, false));
    out.push_back(controls::check(kFadeCheck, dialog_text::kFadeEveryBgm, fade_));
}

void CSoundPage::setVolume(int id, int position) {
    const int volume = std::clamp(position, 0, kSliderMax) + kSilent;
    if (id == kBgmSlider) {
        config_.bgmVolume = volume;
        target_.engine.applyBgmVolume();
    } else if (id == kEffectSlider) {
        config_.effectVolume = volume;
        target_.engine.applyEffectVolume();
    } else if (id == kVoiceSlider && voiceAvailable_) {
        config_.voiceVolume = volume;
        target_.engine.applyVoiceVolume();
    } else {
        return;
    }
    changed();
}

void CSoundPage::handle(const ControlEvent& event) {
    if (event.kind == ControlEvent::Kind::SliderRelease) {
        setVolume(event.id, event.value);
        return;
    }
    if (event.kind == ControlEvent::Kind::Click && outputChangeable_ &&
        (event.id == kPcmRadio || event.id == kCddaRadio)) {
        pcm_ = event.id == kPcmRadio;
        changed();
        return;
    }
    if (event.kind != ControlEvent::Kind::Check) return;
    const bool on = event.value != 0;
    switch (event.id) {
        case kBgmCheck:
            bgm_ = on;
            break;
        case kEffectsCheck:
            effects_ = on;
            break;
        case kVoiceCheck:
            if (!voiceAvailable_) return;
            voice_ = on;
            break;
        case kFadeCheck:
            fade_ = on;
            break;
        default:
            return;
    }
    changed();
}

void CSoundPage::accept() {
    if (bgm_ != config_.bgmOn) target_.switches.toggleBgm();
    if (effects_ != config_.effectsOn) target_.switches.toggleEffects();
    // Without voice the box is unticked and disabled: it says nothing about the switch.
    if (voiceAvailable_ && voice_ != config_.voiceOn) target_.switches.toggleVoice();
    if (pcm_ != config_.bgmIsPcm) {
        config_.bgmIsPcm = pcm_;
        target_.engine.switchBgmOutput();
    }
    config_.fadeOnBgmChange = fade_;
    referenceBgm_ = config_.bgmVolume;
    referenceEffect_ = config_.effectVolume;
    referenceVoice_ = config_.voiceVolume;
}

void CSoundPage::cancel() {
    config_.bgmVolume = referenceBgm_;
    config_.effectVolume = referenceEffect_;
    config_.voiceVolume = referenceVoice_;
    target_.engine.applyBgmVolume();
    target_.engine.applyEffectVolume();
    target_.engine.applyVoiceVolume();
}

}  // namespace morv
