// CD audio from track files, streamed through the SDL2_mixer device.
#pragma once
#include <string>

#include "platform/cd_audio_player.h"

namespace morv {

class FileResolver;
class SdlMixerDevice;

class SdlCdAudio : public CdAudioPlayer {
public:
    // `trackDirectory` is the game's BGM directory text, ending with a separator.
    SdlCdAudio(SdlMixerDevice& device, const FileResolver& files, std::string trackDirectory);
    ~SdlCdAudio() override;

    bool open() override;
    bool play(int track, bool notify) override;
    void stop() override;
    int currentTrack() override;
    uint16_t lineVolume() override { return lineVolume_; }
    void setLineVolume(uint16_t volume) override;

private:
    SdlMixerDevice& device_;
    const FileResolver& files_;
    std::string trackDirectory_;
    bool opened_ = false;
    int track_ = 0;
    uint16_t lineVolume_ = kFullLineVolume;
};

}  // namespace morv
