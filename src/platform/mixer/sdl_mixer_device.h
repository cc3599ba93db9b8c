// The SDL2_mixer audio device shared by the media player and the CD player.
#pragma once
#include <array>
#include <atomic>
#include <filesystem>
#include <functional>

struct Mix_Chunk;
typedef struct _Mix_Music Mix_Music;

namespace morv {

// Owns the opened device, one sound per mixer channel and the single music
// stream. The music stream belongs to whichever user started it last: the media
// player's channel 0 or the CD player, which never play at the same time.
// Ends of sounds are reported through `notify` with their media-notification code
// (the media player's end code, or the CD's completion code when its play asked
// for it); `notify` is called on the audio thread.
class SdlMixerDevice {
public:
    static constexpr int kChannels = 8;
    // The mixer channel after the media player's eight: a movie's sound.
    static constexpr int kMovieChannel = kChannels;
    enum class MusicUser { None, Channel0, Cd };
    using EndNotify = std::function<void(int code)>;

    explicit SdlMixerDevice(EndNotify notify);
    ~SdlMixerDevice();
    SdlMixerDevice(const SdlMixerDevice&) = delete;
    SdlMixerDevice& operator=(const SdlMixerDevice&) = delete;

    // Opens the device once; false when no audio device can be opened.
    bool open();
    // Stops everything, releases every sound and closes the device.
    void close();
    bool isOpen() const { return open_; }
    // Reports a media-notification code as the ends of sounds are reported.
    void post(int code) const { notify_(code); }

    // Loads the whole file and plays it on the channel (1..7); false when it cannot.
    bool playChunk(int channel, const std::filesystem::path& file, bool loop);
    void haltChunk(int channel);
    void setChunkGain(int channel, double gain);
    // Releases the channel's sound when it has ended by itself.
    void releaseEndedChunk(int channel);
    bool chunkPlaying(int channel) const;

    // Streams the file as music for `user`, replacing any music; false when it cannot.
    // `reportEnd` asks for the end to be notified.
    bool playMusic(MusicUser user, const std::filesystem::path& file, bool loop, bool reportEnd);
    // Stops the music when `user` holds it.
    void haltMusic(MusicUser user);
    // Each user keeps its own gain; the music plays at the gain of its user.
    void setMusicGain(MusicUser user, double gain);
    // True when `user` holds the music and it is still playing.
    bool musicPlaying(MusicUser user) const;
    // True when `user` started the music and it has played to its end.
    bool musicEnded(MusicUser user) const;

private:
    static void channelFinished(int channel);
    static void musicFinished();
    void applyMusicGain();

    EndNotify notify_;
    bool open_ = false;
    std::array<Mix_Chunk*, kChannels> chunks_{};
    Mix_Music* music_ = nullptr;
    std::atomic<MusicUser> musicUser_{MusicUser::None};
    double channel0Gain_ = 1.0;
    double cdGain_ = 1.0;
    // Set while the program itself stops a sound, so that only ends reached by
    // playing are reported.
    std::array<std::atomic<bool>, kChannels> halting_{};
    std::atomic<bool> haltingMusic_{false};
    std::atomic<bool> reportMusicEnd_{false};
};

}  // namespace morv
