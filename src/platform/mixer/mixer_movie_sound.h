// A movie's sound on a mixer channel of its own, beside the music and the effects.
#pragma once
#include <array>
#include <cstdint>
#include <mutex>
#include <optional>
#include <vector>

#include "platform/video/movie_channel.h"

struct Mix_Chunk;

namespace morv {

class SdlMixerDevice;

// Plays a movie's decoded sound on the mixer channel SdlMixerDevice::kMovieChannel:
// the channel loops a silent sound whose samples a mixer effect replaces with the
// queued ones, so the music, its volume and the sound switches stay untouched.
// The played time counts the samples the mixer has taken.
class MixerMovieSound : public MovieSound {
public:
    explicit MixerMovieSound(SdlMixerDevice& device);
    ~MixerMovieSound() override;
    MixerMovieSound(const MixerMovieSound&) = delete;
    MixerMovieSound& operator=(const MixerMovieSound&) = delete;

    void reset() override;
    void queue(const int16_t* samples, int frames) override;
    void setPlaying(bool playing) override;
    std::optional<int64_t> playedMs() override;

private:
    // The mixer effect, on the audio thread.
    static void fill(int channel, void* stream, int bytes, void* self);
    void halt();

    SdlMixerDevice& device_;
    std::vector<uint8_t> silence_;
    Mix_Chunk* chunk_ = nullptr;
    bool playing_ = false;
    std::mutex mutex_;
    // Queued samples, read from `read_` on; guarded by mutex_.
    std::vector<int16_t> queued_;
    size_t read_ = 0;
    int64_t playedFrames_ = 0;
    bool ranDry_ = true;
};

}  // namespace morv
