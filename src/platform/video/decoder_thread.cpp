// Decodes a movie's pictures (and hands on its sound) on a thread of its own, a few pictures ahead.
#include "platform/video/decoder_thread.h"

namespace morv {

DecoderThread::DecoderThread(MovieStream& stream) : stream_(stream), thread_([this] { run(); }) {}

DecoderThread::~DecoderThread() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

DecoderThread::Take DecoderThread::take(MoviePicture& picture) {
    std::unique_lock lock(mutex_);
    if (queue_.empty()) return ended_ ? Take::End : Take::NotYet;
    picture = std::move(queue_.front());
    queue_.pop_front();
    lock.unlock();
    changed_.notify_all();
    return Take::Picture;
}

void DecoderThread::run() {
    for (;;) {
        {
            std::unique_lock lock(mutex_);
            changed_.wait(lock, [this] { return stopping_ || queue_.size() < kQueuedPictures; });
            if (stopping_) return;
        }
        MoviePicture picture;
        const bool decoded = stream_.nextPicture(picture);
        std::lock_guard lock(mutex_);
        if (!decoded) {
            ended_ = true;
            return;
        }
        queue_.push_back(std::move(picture));
    }
}

}  // namespace morv
