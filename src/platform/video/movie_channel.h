// The media player's video channel: one movie, its clock, and its pictures drawn into the game frame.
#pragma once
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/media_player.h"
#include "platform/video/decoder_thread.h"
#include "platform/video/movie_painter.h"
#include "platform/video/movie_stream.h"

namespace morv {

class Clock;
class FileResolver;

// Where a movie's sound plays; the real player's mixer channel. Its played time
// is the movie's clock while sound flows.
class MovieSound {
public:
    virtual ~MovieSound() = default;
    // Drops what is queued; the played time starts again from 0.
    virtual void reset() = 0;
    // Interleaved stereo 16-bit samples at the stream's sound rate.
    virtual void queue(const int16_t* samples, int frames) = 0;
    virtual void setPlaying(bool playing) = 0;
    // The milliseconds of sound played since the reset, or none while no sound flows.
    virtual std::optional<int64_t> playedMs() = 0;
};

// One movie on the game frame. The pictures are decoded on a decoder thread a
// few ahead, or, when `decodeOnThread` is off, on the caller's thread as the
// movie's clock reaches them (a few ahead while there is sound to queue), so that
// a run on a virtual clock shows the same picture at the same time every time. The clock is the platform's tick counter, following the sound's played
// time while sound flows. The end is posted once as kVideoEndCode through `notify`.
class MovieChannel {
public:
    using Notify = std::function<void(int code)>;

    MovieChannel(const FileResolver& files, Clock& clock, Notify notify, MovieSound* sound = nullptr,
                 bool decodeOnThread = false);
    ~MovieChannel();
    MovieChannel(const MovieChannel&) = delete;
    MovieChannel& operator=(const MovieChannel&) = delete;

    // The same file loaded again while it is paused stays as it is, at its position.
    void load(const std::string& fileName);
    void play();
    void pause();
    void unload();
    void setMode(int mode);
    int state() const { return state_; }
    bool position(int64_t& ms);
    void setPosition(int64_t ms);
    void windowMoved() { repaint_ = true; }
    bool draw(const MediaPlayer::VideoTarget& target);

    const std::string& fileName() const { return fileName_; }
    int mode() const { return mode_; }

private:
    // The movie's time now.
    int64_t clockMs();
    bool openStream();
    // Starts the decoder thread on the stream, when pictures are decoded on one.
    void startDecoding();
    // The next picture into the queue; false at the end of the stream.
    bool decodeOne();
    void finish();

    const FileResolver& files_;
    Clock& clock_;
    Notify notify_;
    MovieSound* sound_;
    MoviePainter painter_;
    std::string fileName_;
    std::filesystem::path path_;
    std::unique_ptr<MovieStream> stream_;
    const bool decodeOnThread_;
    // Owns the stream while it runs; destroyed before the stream.
    std::unique_ptr<DecoderThread> decoder_;
    MoviePicture shown_;
    std::deque<MoviePicture> ahead_;
    bool streamEnded_ = false;
    int64_t lastGapMs_ = 0;
    int state_ = MediaPlayer::kVideoStopped;
    int mode_ = MediaPlayer::kVideoFullScreen;
    bool repaint_ = true;
    // The clock: the movie was at positionMs_ at the tick clockTick_ (while running).
    int64_t positionMs_ = 0;
    uint32_t clockTick_ = 0;
    // The movie's time at which the sound's played time began.
    int64_t soundStartMs_ = 0;
};

}  // namespace morv
