// The media player port: numbered audio channels for music, loops, one-shots and voice, and a movie channel.
#pragma once
#include <cstdint>
#include <string>

#include "platform/pixel_format.h"

namespace morv {

// Plays sound files on audio channels 0 to 7. Channel 0 carries long music and is
// streamed; the others hold whole sounds. When a sound ends by itself the player
// posts a media-notification event to the main loop (WindowEvent::Kind::MediaNotify)
// with an odd code; the engine hands that code back through HandleGraphEvent.
// Video channel 0 plays a movie: each call of DrawVideoFrame draws the picture due
// at the movie's clock into the game frame, and the movie's end is posted as a
// media notification (kVideoEndCode) like the end of a sound.
class MediaPlayer {
public:
    static constexpr int kChannels = 8;
    static constexpr int kVideoChannels = 1;
    // GetVideoState's answers.
    static constexpr int kVideoStopped = 0;
    static constexpr int kVideoPaused = 1;
    static constexpr int kVideoRunning = 2;
    // SetVideoMode's modes: the whole frame keeping the aspect ratio, or the movie's own size centred.
    static constexpr int kVideoFullScreen = 1;
    static constexpr int kVideoWindow = 2;

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

    // Opens the movie file (resolved like every game file) paused at its start,
    // replacing any other; a file that cannot be played leaves the channel stopped.
    virtual void LoadVideo(int channel, const std::string& fileName) = 0;
    // Loads the file and plays it from its start.
    virtual void PlayVideo(int channel, const std::string& fileName) = 0;
    // Plays the loaded movie on from its position.
    virtual void PlayVideo(int channel) = 0;
    virtual void SetVideoMode(int channel, int mode) = 0;
    virtual int GetVideoState(int channel) = 0;
    // Pauses the movie, keeping it loaded at its position.
    virtual void StopVideo(int channel) = 0;
    // Stops the movie and releases it.
    virtual void UnloadVideo(int channel) = 0;
    // The movie's position in milliseconds; false when no movie is loaded.
    virtual bool GetVideoPosition(int channel, int64_t& position) = 0;
    virtual void SetVideoPosition(int channel, int64_t position) = 0;
    // The game frame moved or changed its size: the next picture is drawn whole.
    virtual void WindowMoved() = 0;
    // Draws the picture due now into the frame when it differs from the one
    // drawn last; true when the frame changed. Also notices the movie's end.
    struct VideoTarget {
        uint8_t* pixels = nullptr;
        int pitch = 0;
        int width = 0;
        int height = 0;
        PixelFormat format = PixelFormat::Xrgb8888;
    };
    virtual bool DrawVideoFrame(int channel, const VideoTarget& target) = 0;
};

// The code a player posts when the sound on `channel` has ended by itself.
constexpr int mediaEndCode(int channel) { return channel * 2 + 1; }
// The code a player posts when the movie on video channel 0 has ended.
constexpr int kVideoEndCode = mediaEndCode(MediaPlayer::kChannels);
// The channel a code of mediaEndCode names, or -1 for any other code.
constexpr int mediaEndChannel(int code) {
    return code > 0 && code % 2 == 1 && code / 2 < MediaPlayer::kChannels ? code / 2 : -1;
}

}  // namespace morv
