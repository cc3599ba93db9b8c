// Scales movie pictures into the game frame, whole-frame or at their own size.
#pragma once
#include "platform/media_player.h"

struct SwsContext;

namespace morv {

class MoviePicture;

// A rectangle of the frame, in pixels.
struct MovieRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const MovieRect&) const = default;
};

// Where a movie whose pictures show `displayWidth` x `displayHeight` goes in a
// frame: the full-screen mode fills the frame keeping the aspect ratio, the
// window mode keeps the movie's own size; both centred. A movie larger than the
// frame is shrunk to fit in the window mode too, so that it stays within the frame.
MovieRect movieRect(int displayWidth, int displayHeight, int frameWidth, int frameHeight, int mode);

class MoviePainter {
public:
    MoviePainter() = default;
    ~MoviePainter();
    MoviePainter(const MoviePainter&) = delete;
    MoviePainter& operator=(const MoviePainter&) = delete;

    // Scales the picture into its place in the target in the target's pixel
    // format; in the full-screen mode the rest of the frame turns black, in the
    // window mode it keeps the game's picture. False when nothing was drawn.
    bool draw(const MoviePicture& picture, const MediaPlayer::VideoTarget& target, int mode);

private:
    SwsContext* scaler_ = nullptr;
};

}  // namespace morv
