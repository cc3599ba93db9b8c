// The SDL2_mixer audio device shared by the media player and the CD player.
#include "platform/mixer/sdl_mixer_device.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cmath>

#include "platform/cd_audio_player.h"
#include "platform/media_player.h"

namespace morv {

namespace {

// SDL_mixer's end callbacks carry no user data: the one open device is found here.
std::atomic<SdlMixerDevice*> openDevice{nullptr};

constexpr int kSampleRate = 44100;
constexpr int kBufferFrames = 2048;

int mixerVolume(double gain) { return static_cast<int>(std::lround(gain * MIX_MAX_VOLUME)); }

// Opens SDL's audio and the mixer on the named driver, or on SDL's choice.
bool openAudio(const char* driver = nullptr) {
    if (driver) SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, driver, SDL_HINT_OVERRIDE);
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    // Decoders that are missing here only make their formats stay silent.
    Mix_Init(MIX_INIT_OGG | MIX_INIT_MP3 | MIX_INIT_FLAC | MIX_INIT_MID);
    if (Mix_OpenAudio(kSampleRate, MIX_DEFAULT_FORMAT, 2, kBufferFrames) == 0) return true;
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
}

}  // namespace

SdlMixerDevice::SdlMixerDevice(EndNotify notify) : notify_(std::move(notify)) {}

SdlMixerDevice::~SdlMixerDevice() { close(); }

bool SdlMixerDevice::open() {
    if (open_) return true;
    SdlMixerDevice* none = nullptr;
    if (!openDevice.compare_exchange_strong(none, this)) return false;  // SDL_mixer has one device
    // A machine without a sound device plays silently through SDL's dummy driver,
    // as the game would on a system whose media layer has no audio output.
    if (!openAudio() && !openAudio("dummy")) {
        openDevice = nullptr;
        return false;
    }
    Mix_AllocateChannels(kChannels + 1);
    Mix_ChannelFinished(&SdlMixerDevice::channelFinished);
    Mix_HookMusicFinished(&SdlMixerDevice::musicFinished);
    open_ = true;
    return true;
}

void SdlMixerDevice::close() {
    if (!open_) return;
    for (int channel = 0; channel < kChannels; ++channel) haltChunk(channel);
    Mix_HaltChannel(kMovieChannel);
    haltMusic(musicUser_);
    Mix_ChannelFinished(nullptr);
    Mix_HookMusicFinished(nullptr);
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    open_ = false;
    openDevice = nullptr;
}

bool SdlMixerDevice::playChunk(int channel, const std::filesystem::path& file, bool loop) {
    if (!open_ || channel < 0 || channel >= kChannels) return false;
    haltChunk(channel);
    chunks_[channel] = Mix_LoadWAV(file.c_str());
    if (!chunks_[channel]) return false;
    if (Mix_PlayChannel(channel, chunks_[channel], loop ? -1 : 0) < 0) {
        Mix_FreeChunk(chunks_[channel]);
        chunks_[channel] = nullptr;
        return false;
    }
    return true;
}

void SdlMixerDevice::haltChunk(int channel) {
    if (!open_ || channel < 0 || channel >= kChannels) return;
    halting_[channel] = true;
    Mix_HaltChannel(channel);
    halting_[channel] = false;
    if (chunks_[channel]) Mix_FreeChunk(chunks_[channel]);
    chunks_[channel] = nullptr;
}

void SdlMixerDevice::setChunkGain(int channel, double gain) {
    if (open_ && channel >= 0 && channel < kChannels) Mix_Volume(channel, mixerVolume(gain));
}

void SdlMixerDevice::releaseEndedChunk(int channel) {
    if (!open_ || channel < 0 || channel >= kChannels || !chunks_[channel] || Mix_Playing(channel)) return;
    Mix_FreeChunk(chunks_[channel]);
    chunks_[channel] = nullptr;
}

bool SdlMixerDevice::chunkPlaying(int channel) const {
    return open_ && channel >= 0 && channel < kChannels && chunks_[channel] && Mix_Playing(channel);
}

bool SdlMixerDevice::playMusic(MusicUser user, const std::filesystem::path& file, bool loop, bool reportEnd) {
    if (!open_) return false;
    haltMusic(musicUser_);
    music_ = Mix_LoadMUS(file.c_str());
    if (!music_) return false;
    musicUser_ = user;
    reportMusicEnd_ = reportEnd;
    applyMusicGain();
    if (Mix_PlayMusic(music_, loop ? -1 : 1) != 0) {
        Mix_FreeMusic(music_);
        music_ = nullptr;
        musicUser_ = MusicUser::None;
        return false;
    }
    applyMusicGain();
    return true;
}

void SdlMixerDevice::haltMusic(MusicUser user) {
    if (!open_ || user == MusicUser::None || musicUser_ != user) return;
    haltingMusic_ = true;
    Mix_HaltMusic();
    haltingMusic_ = false;
    if (music_) Mix_FreeMusic(music_);
    music_ = nullptr;
    musicUser_ = MusicUser::None;
}

void SdlMixerDevice::setMusicGain(MusicUser user, double gain) {
    (user == MusicUser::Cd ? cdGain_ : channel0Gain_) = gain;
    applyMusicGain();
}

void SdlMixerDevice::applyMusicGain() {
    if (open_) Mix_VolumeMusic(mixerVolume(musicUser_ == MusicUser::Cd ? cdGain_ : channel0Gain_));
}

bool SdlMixerDevice::musicPlaying(MusicUser user) const {
    return open_ && music_ && musicUser_ == user && Mix_PlayingMusic();
}

bool SdlMixerDevice::musicEnded(MusicUser user) const {
    return open_ && music_ && musicUser_ == user && !Mix_PlayingMusic();
}

void SdlMixerDevice::channelFinished(int channel) {
    SdlMixerDevice* device = openDevice;
    if (!device || channel < 0 || channel >= kChannels || device->halting_[channel]) return;
    device->notify_(mediaEndCode(channel));
}

void SdlMixerDevice::musicFinished() {
    SdlMixerDevice* device = openDevice;
    if (!device || device->haltingMusic_ || !device->reportMusicEnd_) return;
    device->notify_(device->musicUser_ == MusicUser::Cd ? CdAudioPlayer::kCdPlayCompleted
                                                        : mediaEndCode(0));
}

}  // namespace morv
