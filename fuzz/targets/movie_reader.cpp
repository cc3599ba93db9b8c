// Movie files, decoded through their first pictures and drawn into a small 16-bit frame.
#include <vector>

#include "fuzz_targets.h"
#include "platform/video/movie_painter.h"
#include "platform/video/movie_stream.h"
#include "targets/readers.h"
#include "targets/scratch_file.h"

namespace morv::fuzz {

void readMovieFile(std::string_view bytes) {
    writeScratchFile("movie.mpg", bytes);
    int64_t soundFrames = 0;
    auto stream = MovieStream::open("movie.mpg", [&](const int16_t*, int frames) { soundFrames += frames; });
    if (!stream) return;
    require(stream->width() > 0 && stream->width() <= MovieStream::kMaxSide, "the picture width is within bounds");
    std::vector<uint8_t> pixels(64 * 48 * 2);
    const MediaPlayer::VideoTarget target{pixels.data(), 64 * 2, 64, 48, PixelFormat::Rgb565};
    MoviePainter painter;
    MoviePicture picture;
    int64_t last = 0;
    for (int i = 0; i < 16 && stream->nextPicture(picture); ++i) {
        require(picture.timeMs >= last, "picture times never go back");
        last = picture.timeMs;
        painter.draw(picture, target, i % 2 == 0 ? MediaPlayer::kVideoFullScreen : MediaPlayer::kVideoWindow);
    }
    require(soundFrames >= 0, "sound is counted");
}

}  // namespace morv::fuzz
