// The media player's video channel: one movie, its clock, and its pictures drawn into the game frame.
#include "platform/video/movie_channel.h"

#include <algorithm>

#include "platform/clock.h"
#include "platform/file_resolver.h"

namespace morv {

namespace {
// Pictures decoded ahead of the clock while the movie has sound, so that the
// sound is queued well before it plays.
constexpr size_t kPicturesAheadWithSound = 8;
// How long the last picture shows when its own length is not known.
constexpr int64_t kLastPictureMs = 40;
constexpr int64_t kLongestLastPictureMs = 1000;
}  // namespace

MovieChannel::MovieChannel(const FileResolver& files, Clock& clock, Notify notify, MovieSound* sound,
                           bool decodeOnThread)
    : files_(files), clock_(clock), notify_(std::move(notify)), sound_(sound), decodeOnThread_(decodeOnThread) {}

MovieChannel::~MovieChannel() { unload(); }

void MovieChannel::load(const std::string& fileName) {
    if (stream_ && state_ == MediaPlayer::kVideoPaused && fileName == fileName_) return;
    unload();
    const auto path = files_.find(fileName);
    if (!path) return;
    path_ = *path;
    if (!openStream()) return;
    startDecoding();
    fileName_ = fileName;
    state_ = MediaPlayer::kVideoPaused;
}

void MovieChannel::startDecoding() {
    if (decodeOnThread_ && stream_) decoder_ = std::make_unique<DecoderThread>(*stream_);
}

bool MovieChannel::openStream() {
    decoder_.reset();
    ahead_.clear();
    shown_ = MoviePicture();
    streamEnded_ = false;
    lastGapMs_ = kLastPictureMs;
    positionMs_ = 0;
    soundStartMs_ = 0;
    repaint_ = true;
    if (sound_) sound_->reset();
    MovieStream::SoundSink sink;
    if (sound_) sink = [sound = sound_](const int16_t* samples, int frames) { sound->queue(samples, frames); };
    stream_ = MovieStream::open(path_, std::move(sink));
    return stream_ != nullptr;
}

void MovieChannel::play() {
    if (!stream_ || state_ == MediaPlayer::kVideoRunning) return;
    state_ = MediaPlayer::kVideoRunning;
    clockTick_ = clock_.ticks();
    if (sound_) sound_->setPlaying(true);
}

void MovieChannel::pause() {
    if (state_ != MediaPlayer::kVideoRunning) return;
    positionMs_ = clockMs();
    state_ = MediaPlayer::kVideoPaused;
    if (sound_) sound_->setPlaying(false);
}

void MovieChannel::unload() {
    if (sound_) {
        sound_->setPlaying(false);
        sound_->reset();
    }
    decoder_.reset();
    stream_.reset();
    ahead_.clear();
    shown_ = MoviePicture();
    fileName_.clear();
    state_ = MediaPlayer::kVideoStopped;
}

void MovieChannel::setMode(int mode) {
    mode_ = mode == MediaPlayer::kVideoWindow ? MediaPlayer::kVideoWindow : MediaPlayer::kVideoFullScreen;
    repaint_ = true;
}

bool MovieChannel::position(int64_t& ms) {
    if (!stream_) return false;
    ms = state_ == MediaPlayer::kVideoRunning ? clockMs() : positionMs_;
    return true;
}

void MovieChannel::setPosition(int64_t ms) {
    if (!stream_) return;
    ms = std::max<int64_t>(ms, 0);
    int64_t now = 0;
    if (position(now) && now == ms) return;
    const int keptState = state_;
    decoder_.reset();
    // A stream that cannot seek starts again and is decoded up to the position.
    if (!stream_->seek(ms)) {
        if (!openStream()) {
            unload();
            return;
        }
        stream_->dropSoundBefore(ms);
    }
    ahead_.clear();
    shown_ = MoviePicture();
    streamEnded_ = false;
    if (sound_) sound_->reset();
    soundStartMs_ = ms;
    positionMs_ = ms;
    clockTick_ = clock_.ticks();
    repaint_ = true;
    state_ = keptState;
    startDecoding();
}

int64_t MovieChannel::clockMs() {
    if (state_ != MediaPlayer::kVideoRunning) return positionMs_;
    const uint32_t now = clock_.ticks();
    int64_t ms = positionMs_ + static_cast<uint32_t>(now - clockTick_);  // wraps with the 32-bit counter
    if (sound_) {
        if (auto played = sound_->playedMs()) ms = soundStartMs_ + *played;
    }
    // The clock never goes back, whichever of the two leads.
    positionMs_ = std::max(ms, positionMs_);
    clockTick_ = now;
    return positionMs_;
}

bool MovieChannel::decodeOne() {
    if (streamEnded_) return false;
    MoviePicture picture;
    if (decoder_) {
        // The thread has not got that far yet: the picture on view stays.
        const DecoderThread::Take taken = decoder_->take(picture);
        if (taken == DecoderThread::Take::NotYet) return false;
        streamEnded_ = taken == DecoderThread::Take::End;
        if (streamEnded_) return false;
    } else if (!stream_->nextPicture(picture)) {
        streamEnded_ = true;
        return false;
    }
    const int64_t previous = !ahead_.empty() ? ahead_.back().timeMs : shown_.empty() ? -1 : shown_.timeMs;
    if (previous >= 0 && picture.timeMs > previous)
        lastGapMs_ = std::min(picture.timeMs - previous, kLongestLastPictureMs);
    ahead_.push_back(std::move(picture));
    return true;
}

bool MovieChannel::draw(const MediaPlayer::VideoTarget& target) {
    if (state_ != MediaPlayer::kVideoRunning) return false;
    const int64_t now = clockMs();
    bool changed = false;
    while ((!ahead_.empty() || decodeOne()) && ahead_.front().timeMs <= now) {
        shown_ = std::move(ahead_.front());
        ahead_.pop_front();
        changed = true;
    }
    if (!decoder_ && sound_ && stream_->hasSound()) {
        while (ahead_.size() < kPicturesAheadWithSound && decodeOne()) {
        }
    }
    bool drawn = false;
    if ((changed || repaint_) && !shown_.empty()) {
        drawn = painter_.draw(shown_, target, mode_);
        repaint_ = false;
    }
    if (ahead_.empty() && streamEnded_ && (shown_.empty() || now >= shown_.timeMs + lastGapMs_)) finish();
    return drawn;
}

void MovieChannel::finish() {
    positionMs_ = clockMs();
    state_ = MediaPlayer::kVideoStopped;
    if (sound_) sound_->setPlaying(false);
    if (notify_) notify_(kVideoEndCode);
}

}  // namespace morv
