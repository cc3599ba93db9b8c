// The media player port: numbered audio channels for music, loops, one-shots and voice.
#pragma once
#include <string>

namespace morv {

// Plays sound files on audio channels 0 to 7. Channel 0 carries long music and is
// streamed; the others hold whole sounds. When a sound ends by itself the player
// posts a media-notification event to the main loop (WindowEvent::Kind::MediaNotify)
// with an odd code; the engine hands that code back through HandleGraphEvent.
// Video calls are to join this interface on the same channels' player.
class MediaPlayer {
public:
    static constexpr int kChannels = 8;

    virtual ~MediaPlayer() = default;

    // Opens the audio device; negative when it cannot be opened at all.
    virtual int Init() = 0;
    // Starts the game file `fileName` (CP949, resolved like every game file) on the
    // channel, replacing what played there; a file that cannot be opened stays silent.
    virtual void PlayAudio(int channel, const std::string& fileName, bool loop) = 0;
    // Harmless when the channel is idle.
    virtual void StopAudio(int channel) = 0;
    // `volume` in hundredths of a decibel, -5000 (silent) to 0 (full).
    virtual void SetAudioVolume(int channel, int volume) = 0;
    // Lets the player deal with the event that posted `code` (releases what ended).
    virtual void HandleGraphEvent(int code) = 0;
    // Stops and releases every channel; the player is not used afterwards.
    virtual void Free() = 0;
};

// The code a player posts when the sound on `channel` has ended by itself.
constexpr int mediaEndCode(int channel) { return channel * 2 + 1; }
// The channel a code of mediaEndCode names, or -1 for any other code.
constexpr int mediaEndChannel(int code) {
    return code > 0 && code % 2 == 1 && code / 2 < MediaPlayer::kChannels ? code / 2 : -1;
}

}  // namespace morv
