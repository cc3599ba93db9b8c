// Music, loop, effect and voice channels with music fades, and CD audio.
#include "sound/sound_system.h"

#include <charconv>

#include "config/game_config.h"
#include "display/surface.h"
#include "platform/audio_gain.h"
#include "platform/cp949.h"
#include "platform/platform.h"
#include "platform/text_format.h"

namespace morv {

namespace {

// The track a CD music name stands for: the number after its first five
// characters, up to the first "." ("track12.ogg" is 12); 0 when there is none.
int cdTrackNumber(std::string_view name) {
    std::string_view rest = name.size() > 5 ? name.substr(5) : std::string_view{};
    rest = rest.substr(0, rest.find('.'));
    int number = 0;
    std::from_chars(rest.data(), rest.data() + rest.size(), number);
    return number;
}

}  // namespace

SoundSystem::SoundSystem(const GameConfig& config, Platform& platform) : config_(config), platform_(platform) {}

SoundSystem::~SoundSystem() { shutdown(); }

bool SoundSystem::initialise() {
    player_ = platform_.createMediaPlayer();
    if (player_->Init() < 0) {
        player_.reset();
        platform_.messages().error("DirectShow 초기화에 실패했습니다.");
        return false;
    }
    shutDown_ = false;
    cd_ = platform_.createCdAudioPlayer(config_.bgmDirectory);
    cd_->open();  // without a disc, playing fails quietly
    startLineVolume_ = cd_->lineVolume();
    currentBgmVolume_ = config_.bgmVolume;
    setBgmVolume(currentBgmVolume_);
    setCdLine(currentBgmVolume_);
    applyEffectVolume();
    applyVoiceVolume();
    return true;
}

void SoundSystem::shutdown() {
    if (shutDown_) return;
    shutDown_ = true;
    player_->Free();
    cd_->stop();
    cd_->setLineVolume(startLineVolume_);
    player_.reset();
    cd_.reset();
}

bool SoundSystem::pcmOutput() const { return config_.bgmIsPcm; }

uint32_t SoundSystem::now() { return platform_.clock().ticks(); }

void SoundSystem::playBgm(std::string_view name, bool fade) {
    fading_ = false;
    currentBgmVolume_ = config_.bgmVolume;
    bgmName_ = name;
    if (name.empty() || cp949::equalsIgnoreCase(name, "stop")) {
        stopBgm(fade);
        return;
    }
    if (cp949::equalsIgnoreCase(name, "FADEOUT")) {
        stopBgm(true);
        return;
    }
    if (!config_.bgmOn) return;
    const bool fadeNow = fade || config_.fadeOnBgmChange;
    if (fadeNow) {
        if (bgmPlaying_) {
            // The new music starts when the fade-out ends.
            startFade(FadeDirection::Out);
            return;
        }
        startFade(FadeDirection::In);
        setBgmVolume(kSilent);
        cd_->setLineVolume(0);
    }
    startMusic(fadeNow);
    bgmPlaying_ = true;
    fadeStart_ = now();
}

void SoundSystem::stopBgm(bool fade) {
    fading_ = false;
    currentBgmVolume_ = config_.bgmVolume;
    bgmName_.clear();
    if (!bgmPlaying_) return;
    if (!fade && !config_.fadeOnBgmChange) {
        stopMusicNow();
        bgmPlaying_ = false;
        return;
    }
    startFade(FadeDirection::Out);
}

void SoundSystem::startFade(FadeDirection direction) {
    fading_ = true;
    fadeDirection_ = direction;
    fadeRange_ = config_.bgmVolume - kSilent;
    fadeStart_ = now();
}

void SoundSystem::startMusic(bool fading) {
    if (pcmOutput()) {
        player_->PlayAudio(kBgmChannel, config_.bgmDirectory + bgmName_, true);
        return;
    }
    if (!fading) cd_->stop();
    cd_->play(config_.firstAudioTrack + cdTrackNumber(bgmName_) - 1, true);
}

void SoundSystem::stopMusicNow() {
    if (pcmOutput()) {
        player_->StopAudio(kBgmChannel);
    } else {
        cd_->stop();
    }
}

int64_t SoundSystem::fadeProgress() {
    // A fade time of 0 or less ends the fade at its first step.
    if (fadeTimeMs_ <= 0) return int64_t{fadeRange_} + 1;
    const uint32_t elapsed = now() - fadeStart_;  // wraps correctly with the 32-bit counter
    return int64_t{elapsed} * fadeRange_ / fadeTimeMs_;
}

void SoundSystem::advanceFade() {
    if (!fading_) return;
    const int64_t progress = fadeProgress();
    if (fadeDirection_ == FadeDirection::Out) {
        const int64_t volume = config_.bgmVolume - progress;
        if (volume < kSilent + 1) {
            if (!bgmName_.empty()) {
                fadeDirection_ = FadeDirection::In;
                currentBgmVolume_ = kSilent;
                setBgmVolume(kSilent);
                cd_->setLineVolume(0);
                if (!pcmOutput()) cd_->stop();
                startMusic(true);
                fadeStart_ = now();
            } else {
                fading_ = false;
                bgmPlaying_ = false;
                currentBgmVolume_ = config_.bgmVolume;
                setBgmVolume(currentBgmVolume_);
                setCdLine(currentBgmVolume_);
                stopMusicNow();
            }
            return;
        }
        currentBgmVolume_ = static_cast<int>(volume);
        setBgmVolume(currentBgmVolume_);
    } else {
        const int64_t volume = progress + kSilent;
        if (volume < config_.bgmVolume) {
            currentBgmVolume_ = static_cast<int>(volume);
        } else {
            fading_ = false;
            currentBgmVolume_ = config_.bgmVolume;
        }
        setBgmVolume(currentBgmVolume_);
    }
    setCdLine(currentBgmVolume_);
}

void SoundSystem::setBgmVolume(int volume) { player_->SetAudioVolume(kBgmChannel, volume); }

void SoundSystem::setCdLine(int volume) { cd_->setLineVolume(lineVolumeFor(volume)); }

void SoundSystem::switchBgmOutput() {
    if (!bgmPlaying_) return;
    if (pcmOutput()) {
        cd_->stop();
    } else {
        player_->StopAudio(kBgmChannel);
    }
    playBgm(std::string(bgmName_), false);
}

void SoundSystem::bgmSwitchChanged() {
    if (config_.bgmOn) {
        playBgm(std::string(bgmName_), false);
    } else {
        stopMusicNow();
        bgmPlaying_ = false;
    }
}

void SoundSystem::applyBgmVolume() {
    fading_ = false;
    currentBgmVolume_ = config_.bgmVolume;
    setBgmVolume(currentBgmVolume_);
    setCdLine(currentBgmVolume_);
}

void SoundSystem::playVoice(std::string_view name) {
    player_->StopAudio(kVoiceChannel);
    if (name.empty() || cp949::equalsIgnoreCase(name, "stop") || !config_.voiceOn) return;
    player_->PlayAudio(kVoiceChannel, config_.voiceDirectory + std::string(name), false);
}

void SoundSystem::voiceSwitchChanged() { player_->StopAudio(kVoiceChannel); }

void SoundSystem::applyVoiceVolume() { player_->SetAudioVolume(kVoiceChannel, config_.voiceVolume); }

void SoundSystem::playLoopChannel(int loop) {
    player_->PlayAudio(loop, config_.effectDirectory + loopName(loop), true);
}

void SoundSystem::startLoop(std::string_view name) {
    int loop = 2;
    if (!loopSlotTaken(1)) {
        loop = 1;
    } else if (loopSlotTaken(2)) {
        loop = loop2FilledLast_ ? 1 : 2;
    }
    setLoopName(loop, name);
    if (config_.effectsOn) playLoopChannel(loop);
    loop2FilledLast_ = loop == 2;
}

void SoundSystem::stopLoop(std::string_view name) {
    for (int loop : {1, 2}) {
        if (loopSlotTaken(loop) && cp949::equalsIgnoreCase(loopName(loop), name)) {
            player_->StopAudio(loop);
            setLoopName(loop, {});
            return;
        }
    }
    platform_.messages().error(formatText("\"%s\" 파일은 현재 재생중이 아닙니다.", cp949::toUtf8(name).c_str()));
}

void SoundSystem::playOneShot(std::string_view name) {
    if (config_.effectsOn) {
        player_->PlayAudio(kFirstOneShotChannel + nextOneShot_, config_.effectDirectory + std::string(name), false);
    }
    nextOneShot_ = (nextOneShot_ + 1) % kOneShotChannels;
}

void SoundSystem::stopEffects() {
    for (int channel = 1; channel < kVoiceChannel; ++channel) player_->StopAudio(channel);
    loopNames_ = {};
}

void SoundSystem::effectsSwitchChanged() {
    if (!config_.effectsOn) {
        for (int channel = 1; channel < kVoiceChannel; ++channel) player_->StopAudio(channel);
        return;
    }
    playLoopChannel(1);
    playLoopChannel(2);
}

void SoundSystem::applyEffectVolume() {
    for (int channel = 1; channel < kVoiceChannel; ++channel) player_->SetAudioVolume(channel, config_.effectVolume);
}

void SoundSystem::stopAll() {
    stopBgm(false);
    stopEffects();
    player_->StopAudio(kVoiceChannel);
}

void SoundSystem::mediaNotification(int code) {
    if (config_.bgmOn) {
        if (code == CdAudioPlayer::kCdPlayCompleted) {
            cd_->play(cd_->currentTrack() - 1, true);
        } else {
            player_->HandleGraphEvent(code);
        }
    } else if (code % 2 != 0 && code != CdAudioPlayer::kCdPlayCompleted) {
        player_->HandleGraphEvent(code);
    }
}

}  // namespace morv
