// The media player on SDL2_mixer: channel 0 streamed as music, 1 to 7 as chunks.
#include "platform/mixer/sdl_mixer_player.h"

#include "platform/audio_gain.h"
#include "platform/file_resolver.h"
#include "platform/mixer/sdl_mixer_device.h"

namespace morv {

namespace {
constexpr int kMusicChannel = 0;
using MusicUser = SdlMixerDevice::MusicUser;
}  // namespace

SdlMixerPlayer::SdlMixerPlayer(SdlMixerDevice& device, const FileResolver& files, Clock& clock, MovieSound* movieSound)
    : MovieMediaPlayer(files, clock, [&device](int code) { device.post(code); }, movieSound, true),
      device_(device),
      files_(files) {}

SdlMixerPlayer::~SdlMixerPlayer() { Free(); }

int SdlMixerPlayer::Init() { return device_.open() ? 0 : -1; }

void SdlMixerPlayer::PlayAudio(int channel, const std::string& fileName, bool loop) {
    if (channel < 0 || channel >= kChannels) return;
    StopAudio(channel);
    auto file = files_.find(fileName);
    if (!file) return;
    if (channel == kMusicChannel) {
        device_.playMusic(MusicUser::Channel0, *file, loop, true);
    } else {
        device_.playChunk(channel, *file, loop);
    }
}

void SdlMixerPlayer::StopAudio(int channel) {
    if (channel == kMusicChannel) {
        device_.haltMusic(MusicUser::Channel0);
    } else {
        device_.haltChunk(channel);
    }
}

void SdlMixerPlayer::SetAudioVolume(int channel, int volume) {
    if (channel == kMusicChannel) {
        device_.setMusicGain(MusicUser::Channel0, gainForVolume(volume));
    } else {
        device_.setChunkGain(channel, gainForVolume(volume));
    }
}

void SdlMixerPlayer::HandleGraphEvent(int code) {
    // Looping happens inside the mixer; what is left is to let go of what ended.
    const int channel = mediaEndChannel(code);
    if (channel == kMusicChannel) {
        if (device_.musicEnded(MusicUser::Channel0)) device_.haltMusic(MusicUser::Channel0);
    } else if (channel > 0) {
        device_.releaseEndedChunk(channel);
    }
}

void SdlMixerPlayer::Free() {
    video().unload();
    device_.close();
}

}  // namespace morv
