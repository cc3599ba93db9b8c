// The media player on SDL2_mixer: channel 0 streamed as music, 1 to 7 as chunks.
#pragma once
#include "platform/media_player.h"

namespace morv {

class FileResolver;
class SdlMixerDevice;

class SdlMixerPlayer : public MediaPlayer {
public:
    SdlMixerPlayer(SdlMixerDevice& device, const FileResolver& files);
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
