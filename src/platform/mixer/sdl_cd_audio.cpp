// CD audio from track files, streamed through the SDL2_mixer device.
#include "platform/mixer/sdl_cd_audio.h"

#include "platform/audio_gain.h"
#include "platform/cd_track_file.h"
#include "platform/mixer/sdl_mixer_device.h"

namespace morv {

namespace {
using MusicUser = SdlMixerDevice::MusicUser;
}

SdlCdAudio::SdlCdAudio(SdlMixerDevice& device, const FileResolver& files, std::string trackDirectory)
    : device_(device), files_(files), trackDirectory_(std::move(trackDirectory)) {}

SdlCdAudio::~SdlCdAudio() { stop(); }

bool SdlCdAudio::open() {
    // The "drive" is there when the device that plays its tracks is.
    opened_ = device_.isOpen();
    return opened_;
}

bool SdlCdAudio::play(int track, bool notify) {
    if (!opened_) return false;
    auto file = findTrackFile(files_, trackDirectory_, track);
    if (!file) return false;
    device_.setMusicGain(MusicUser::Cd, gainForLineVolume(lineVolume_));
    if (!device_.playMusic(MusicUser::Cd, *file, false, notify)) return false;
    track_ = track;
    return true;
}

void SdlCdAudio::stop() { device_.haltMusic(MusicUser::Cd); }

int SdlCdAudio::currentTrack() { return device_.musicEnded(MusicUser::Cd) ? track_ + 1 : track_; }

void SdlCdAudio::setLineVolume(uint16_t volume) {
    lineVolume_ = volume;
    device_.setMusicGain(MusicUser::Cd, gainForLineVolume(volume));
}

}  // namespace morv
