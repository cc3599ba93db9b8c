// Music, loop, effect and voice channels with music fades, and CD audio.
#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace morv {

struct GameConfig;
class CdAudioPlayer;
class MediaPlayer;
class Platform;
class Surface;

// Plays the game's music (from files or CD tracks), two looping effect
// channels, four one-shot channels in turn and the voice, and follows the
// player's switches and volumes from the configuration; and movies over the game frame.
class SoundSystem {
public:
    static constexpr int kDefaultFadeTimeMs = 600;

    SoundSystem(const GameConfig& config, Platform& platform);
    ~SoundSystem();
    SoundSystem(const SoundSystem&) = delete;
    SoundSystem& operator=(const SoundSystem&) = delete;

    // False after "DirectShow 초기화에 실패했습니다." when the audio device cannot be opened.
    bool initialise();
    // Releases the players and puts the CD line's volume back; done once.
    void shutdown();

    // "stop" or an empty name stops the music, "FADEOUT" fades it out; any other
    // name becomes the current music, faded in (after fading the old one out)
    // when `fade` is asked or fading on every change is on.
    void playBgm(std::string_view name, bool fade);
    void stopBgm(bool fade);
    // One step of a running fade; called on every engine tick.
    void advanceFade();
    // The PCM/CD choice has changed: moves the playing music to the chosen device.
    void switchBgmOutput();
    // The BGM switch has been flipped.
    void bgmSwitchChanged();
    // Ends a running fade and plays the music at the configured volume.
    void applyBgmVolume();

    void playVoice(std::string_view name);
    void voiceSwitchChanged();
    void applyVoiceVolume();

    // Records the loop in a free loop channel, or replaces the one not filled last.
    void startLoop(std::string_view name);
    // Shows "\"NAME\" 파일은 현재 재생중이 아닙니다." when no loop channel holds the name.
    void stopLoop(std::string_view name);
    void playOneShot(std::string_view name);
    // Stops loops and one-shots and forgets both loops.
    void stopEffects();
    void effectsSwitchChanged();
    void applyEffectVolume();

    // Stops the music (fading only when fading on every change is on), the effects and the voice.
    void stopAll();
    // A media notification from the player (a code it posted) or the CD (-1: a track ended).
    void mediaNotification(int code);

    void setFadeTime(int ms) { fadeTimeMs_ = ms; }
    int fadeTime() const { return fadeTimeMs_; }
    const std::string& bgmName() const { return bgmName_; }
    void setBgmName(std::string_view name) { bgmName_ = name; }
    // Loop channel 1 or 2; empty when free.
    const std::string& loopName(int loop) const { return loopNames_[loop == 2 ? 1 : 0]; }
    void setLoopName(int loop, std::string_view name) { loopNames_[loop == 2 ? 1 : 0] = name; }
    bool bgmPlaying() const { return bgmPlaying_; }
    bool fading() const { return fading_; }
    int currentBgmVolume() const { return currentBgmVolume_; }

    // Starts the movie file over the game frame, filling it (keeping the aspect
    // ratio) when `fullScreen`, else at its own size; false when it cannot be played.
    bool playMovie(std::string_view name, bool fullScreen);
    bool movieRunning();
    // Unloads the movie and forgets its name; the frame, when given, gets back
    // the picture the movie covered.
    void stopMovie(Surface* frame = nullptr);
    // Draws the movie's picture due now into the frame; true when the frame changed.
    bool drawMovieFrame(Surface& frame);
    // A movie that has ended is stopped (its end traced); true when it had ended.
    bool stopMovieIfEnded(Surface& frame);
    // Around a display-mode change: the movie pauses and later resumes at its position.
    void beforeDisplayChange();
    void afterDisplayChange();
    const std::string& movieName() const { return movieName_; }

private:
    enum class FadeDirection { In, Out };
    static constexpr int kSilent = -5000;
    static constexpr int kBgmChannel = 0;
    static constexpr int kFirstOneShotChannel = 3;
    static constexpr int kOneShotChannels = 4;
    static constexpr int kVoiceChannel = 7;

    bool pcmOutput() const;
    uint32_t now();
    // Starts the current music on the chosen device; `fading` keeps a CD from being stopped first.
    void startMusic(bool fading);
    // Stops the music on the chosen device at once.
    void stopMusicNow();
    void startFade(FadeDirection direction);
    void setBgmVolume(int volume);
    void setCdLine(int volume);
    // Part of elapsed × range / fade time, with an instant fade for a fade time of 0 or less.
    int64_t fadeProgress();
    void playLoopChannel(int loop);
    bool loopSlotTaken(int loop) const { return !loopName(loop).empty(); }

    const GameConfig& config_;
    Platform& platform_;
    std::unique_ptr<MediaPlayer> player_;
    std::unique_ptr<CdAudioPlayer> cd_;
    bool shutDown_ = true;
    std::string bgmName_;
    std::array<std::string, 2> loopNames_;
    bool loop2FilledLast_ = false;
    int nextOneShot_ = 0;
    bool bgmPlaying_ = false;
    uint16_t startLineVolume_ = 0;
    int fadeTimeMs_ = kDefaultFadeTimeMs;
    int currentBgmVolume_ = 0;
    bool fading_ = false;
    FadeDirection fadeDirection_ = FadeDirection::In;
    uint32_t fadeStart_ = 0;
    int fadeRange_ = 0;
    std::string movieName_;
    int64_t moviePosition_ = 0;
    // The frame's pixels under the movie, put back when it stops.
    std::unique_ptr<Surface> underMovie_;
};

}  // namespace morv
