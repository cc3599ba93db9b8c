// A movie's sound on a mixer channel of its own, beside the music and the effects.
#include "platform/mixer/mixer_movie_sound.h"

#include <SDL_mixer.h>

#include <algorithm>
#include <cstring>

#include "platform/mixer/sdl_mixer_device.h"
#include "platform/video/movie_stream.h"

namespace morv {

namespace {
constexpr int kChannel = SdlMixerDevice::kMovieChannel;
// At most this much sound waits in the queue; more is dropped.
constexpr size_t kMaxQueuedSamples = size_t{MovieStream::kSoundRate} * MovieStream::kSoundChannels * 8;
constexpr size_t kSilenceBytes = 4096;
}  // namespace

MixerMovieSound::MixerMovieSound(SdlMixerDevice& device) : device_(device), silence_(kSilenceBytes, 0) {}

MixerMovieSound::~MixerMovieSound() { halt(); }

void MixerMovieSound::halt() {
    if (chunk_ && device_.isOpen()) {
        Mix_UnregisterAllEffects(kChannel);
        Mix_HaltChannel(kChannel);
    }
    if (chunk_) Mix_FreeChunk(chunk_);
    chunk_ = nullptr;
    playing_ = false;
}

void MixerMovieSound::reset() {
    std::lock_guard lock(mutex_);
    queued_.clear();
    read_ = 0;
    playedFrames_ = 0;
    ranDry_ = true;
}

void MixerMovieSound::queue(const int16_t* samples, int frames) {
    std::lock_guard lock(mutex_);
    // What the mixer has taken goes before the queue grows.
    if (read_ > 0) {
        queued_.erase(queued_.begin(), queued_.begin() + static_cast<ptrdiff_t>(read_));
        read_ = 0;
    }
    const size_t count = static_cast<size_t>(frames) * MovieStream::kSoundChannels;
    if (queued_.size() + count > kMaxQueuedSamples) return;
    queued_.insert(queued_.end(), samples, samples + count);
}

void MixerMovieSound::setPlaying(bool playing) {
    if (!device_.isOpen() || playing == playing_) return;
    playing_ = playing;
    if (!playing) {
        Mix_Pause(kChannel);
        return;
    }
    if (chunk_) {
        Mix_Resume(kChannel);
        return;
    }
    chunk_ = Mix_QuickLoad_RAW(silence_.data(), static_cast<Uint32>(silence_.size()));
    if (!chunk_) return;
    Mix_Volume(kChannel, MIX_MAX_VOLUME);
    if (Mix_PlayChannel(kChannel, chunk_, -1) < 0 || Mix_RegisterEffect(kChannel, &MixerMovieSound::fill, nullptr, this) == 0) {
        halt();
    }
}

std::optional<int64_t> MixerMovieSound::playedMs() {
    std::lock_guard lock(mutex_);
    if (!playing_ || ranDry_ || playedFrames_ == 0) return std::nullopt;
    return playedFrames_ * 1000 / MovieStream::kSoundRate;
}

void MixerMovieSound::fill(int, void* stream, int bytes, void* self) {
    auto& sound = *static_cast<MixerMovieSound*>(self);
    std::lock_guard lock(sound.mutex_);
    const size_t wanted = static_cast<size_t>(bytes) / sizeof(int16_t);
    const size_t available = sound.queued_.size() - sound.read_;
    const size_t taken = std::min(wanted, available);
    if (taken > 0) std::memcpy(stream, sound.queued_.data() + sound.read_, taken * sizeof(int16_t));
    std::memset(static_cast<int16_t*>(stream) + taken, 0, (wanted - taken) * sizeof(int16_t));
    sound.read_ += taken;
    sound.playedFrames_ += static_cast<int64_t>(taken / MovieStream::kSoundChannels);
    sound.ranDry_ = taken < wanted;
}

}  // namespace morv
