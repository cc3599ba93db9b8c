// The media player on SDL2_mixer: channel 0 streamed as music, 1 to 7 as chunks, and movies.
#pragma once
#include "platform/video/movie_media_player.h"

namespace morv {

class Clock;
class FileResolver;
class SdlMixerDevice;

// Movies are decoded with FFmpeg on a decoder thread; their sound, when
// `movieSound` is given, plays on the mixer channel of its own and leads their clock.
class SdlMixerPlayer : public MovieMediaPlayer {
public:
    SdlMixerPlayer(SdlMixerDevice& device, const FileResolver& files, Clock& clock, MovieSound* movieSound = nullptr);
    ~SdlMixerPlayer() override;

    int Init() override;
    void PlayAudio(int channel, const std::string& fileName, bool loop) override;
    void StopAudio(int channel) override;
    void SetAudioVolume(int channel, int volume) override;
    void HandleGraphEvent(int code) override;
    void Free() override;

private:
    SdlMixerDevice& device_;
    const FileResolver& files_;
};

}  // namespace morv
