// Music, loop, effect and voice channels, and the movie and Flash players.
#pragma once
#include <string_view>

namespace morv {

struct GameConfig;
class Platform;

// Music, loop, effect and voice channels, and the movie player.
// Until the players land, playing accepts the request and produces no sound.
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
    // One step of a running BGM fade; called on every engine tick.
    void advanceFade() {}

    void playBgm(std::string_view, bool /*fade*/) {}
    void playVoice(std::string_view) {}
    void playEffect(std::string_view, bool /*looping*/) {}
    void stopEffect(std::string_view) {}
    void stopAllEffects() {}
    // False when the movie cannot be played.
    bool playMovie(std::string_view, bool /*fullScreen*/) { return false; }
    void stopMovie() {}

private:
    const GameConfig& config_;
    Platform& platform_;
    int fadeTimeMs_ = kDefaultFadeTimeMs;
};

}  // namespace morv
