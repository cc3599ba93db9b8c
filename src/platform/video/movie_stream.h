// A movie file read with FFmpeg: its pictures in order, and its sound for the mixer.
#pragma once
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>

struct AVFrame;

namespace morv {

// One decoded picture and the time it is due, in ms from the movie's start.
class MoviePicture {
public:
    MoviePicture();
    ~MoviePicture();
    MoviePicture(MoviePicture&& other) noexcept;
    MoviePicture& operator=(MoviePicture&& other) noexcept;

    bool empty() const;
    AVFrame* frame() const { return frame_; }
    int64_t timeMs = 0;

private:
    AVFrame* frame_;
};

// Demuxes and decodes one movie file. Pictures come out in display order with
// times that never go back; the sound, when a sink takes it, is resampled to
// 44.1 kHz stereo 16-bit and handed over as it is decoded. A file that is not a
// movie, has no picture stream, or pictures of more than kMaxSide pixels a side
// is refused; a stream that goes bad ends the movie where it does.
class MovieStream {
public:
    static constexpr int kMaxSide = 4096;
    static constexpr int kSoundRate = 44100;
    static constexpr int kSoundChannels = 2;
    // Interleaved stereo samples, `frames` of them.
    using SoundSink = std::function<void(const int16_t* samples, int frames)>;

    // None when the file cannot be played. Without a sink the sound is not decoded.
    static std::unique_ptr<MovieStream> open(const std::filesystem::path& file, SoundSink sink = {});
    ~MovieStream();
    MovieStream(const MovieStream&) = delete;
    MovieStream& operator=(const MovieStream&) = delete;

    int width() const;
    int height() const;
    bool hasSound() const;
    // The next picture; false at the end of the movie or where the stream went bad.
    bool nextPicture(MoviePicture& picture);
    // Goes back or forward to `ms`: the next pictures and sound are those from the
    // last key picture at or before it on. False when the stream cannot seek.
    bool seek(int64_t ms);
    // Sound that ends before `ms` is not handed on (a stream decoded up to a position from its start).
    void dropSoundBefore(int64_t ms);

private:
    struct Impl;
    explicit MovieStream(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> impl_;
};

}  // namespace morv
