// The sound system's movie operations: play, stop and the hand-over around a display change.
#include "display/surface.h"
#include "platform/cp949.h"
#include "platform/platform.h"
#include "sound/sound_system.h"

namespace morv {

namespace {
constexpr int kVideoChannel = 0;
}  // namespace

bool SoundSystem::playMovie(std::string_view name, bool fullScreen) {
    movieName_ = name;
    underMovie_.reset();
    platform_.trace().write("movie play " + traceQuote(cp949::toUtf8(name)) + (fullScreen ? " full" : " window"));
    player_->PlayVideo(kVideoChannel, movieName_);
    player_->SetVideoMode(kVideoChannel, fullScreen ? MediaPlayer::kVideoFullScreen : MediaPlayer::kVideoWindow);
    return movieRunning();
}

bool SoundSystem::movieRunning() { return player_->GetVideoState(kVideoChannel) == MediaPlayer::kVideoRunning; }

bool SoundSystem::drawMovieFrame(Surface& frame) {
    if (movieName_.empty() || !frame.valid()) return false;
    // What the movie covers comes back when it stops.
    if (!underMovie_) {
        underMovie_ = std::make_unique<Surface>(frame.format(), nullptr);
        if (underMovie_->create(frame.width(), frame.height()) != Surface::kOk ||
            underMovie_->copy(frame, false) != Surface::kOk)
            underMovie_.reset();
    }
    const PixelRows rows = frame.lock();
    MediaPlayer::VideoTarget target{rows.pixels, rows.pitch, rows.width, rows.height, rows.format};
    const bool drawn = player_->DrawVideoFrame(kVideoChannel, target);
    frame.unlock();
    return drawn;
}

void SoundSystem::stopMovie(Surface* frame) {
    if (!movieName_.empty()) platform_.trace().write("movie stop");
    player_->UnloadVideo(kVideoChannel);
    movieName_.clear();
    // A display change in the meantime may leave a frame of another size: nothing to give back then.
    if (frame && underMovie_ && underMovie_->width() == frame->width() && underMovie_->height() == frame->height() &&
        underMovie_->format() == frame->format())
        frame->copy(*underMovie_, false);
    underMovie_.reset();
}

bool SoundSystem::stopMovieIfEnded(Surface& frame) {
    if (movieRunning()) return false;
    platform_.trace().write("movie end");
    movieName_.clear();  // already ended: no stop line
    stopMovie(&frame);
    return true;
}

void SoundSystem::beforeDisplayChange() {
    if (movieName_.empty()) return;
    player_->StopVideo(kVideoChannel);
    if (!player_->GetVideoPosition(kVideoChannel, moviePosition_)) moviePosition_ = 0;
}

void SoundSystem::afterDisplayChange() {
    if (movieName_.empty()) return;
    player_->LoadVideo(kVideoChannel, movieName_);
    player_->SetVideoPosition(kVideoChannel, moviePosition_);
    player_->WindowMoved();
    player_->PlayVideo(kVideoChannel);
}

}  // namespace morv
