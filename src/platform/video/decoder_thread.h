// Decodes a movie's pictures (and hands on its sound) on a thread of its own, a few pictures ahead.
#pragma once
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

#include "platform/video/movie_stream.h"

namespace morv {

// Runs the stream on its own thread into a small queue of pictures; the taker
// never waits for it. The stream's sound sink is called on this thread. The
// stream is the thread's alone until the DecoderThread is destroyed, which stops
// and joins it: a read that hangs is cut off by the stream's own timeouts.
class DecoderThread {
public:
    enum class Take { Picture, NotYet, End };
    static constexpr size_t kQueuedPictures = 8;

    explicit DecoderThread(MovieStream& stream);
    ~DecoderThread();
    DecoderThread(const DecoderThread&) = delete;
    DecoderThread& operator=(const DecoderThread&) = delete;

    // The next picture when it is decoded; End once the stream has no more.
    Take take(MoviePicture& picture);

private:
    void run();

    MovieStream& stream_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<MoviePicture> queue_;
    bool stopping_ = false;
    bool ended_ = false;
    std::thread thread_;  // last: starts once everything above is made
};

}  // namespace morv
