#pragma once

namespace morv {

struct GameConfig;
class Platform;

// Music, loop, effect and voice channels.
class SoundSystem {
public:
    static constexpr int kDefaultFadeTimeMs = 600;

    SoundSystem(const GameConfig& config, Platform& platform);
    ~SoundSystem();

    // False after "DirectShow 초기화에 실패했습니다." when the audio device cannot be opened.
    bool initialise();
    // Stops the BGM (fading only when fade on every change is on), every effect
    // channel and the voice, and forgets the looping effects.
    void stopAll();
    void setFadeTime(int ms) { fadeTimeMs_ = ms; }
    int fadeTime() const { return fadeTimeMs_; }

private:
    const GameConfig& config_;
    Platform& platform_;
    int fadeTimeMs_ = kDefaultFadeTimeMs;
};

}  // namespace morv
