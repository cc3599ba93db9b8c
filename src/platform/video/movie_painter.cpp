// Scales movie pictures into the game frame, whole-frame or at their own size.
#include "platform/video/movie_painter.h"

extern "C" {
#include <libavutil/frame.h>
#include <libswscale/swscale.h>
}

#include <algorithm>
#include <cstring>

#include "platform/video/movie_stream.h"

namespace morv {

namespace {

AVPixelFormat targetFormat(PixelFormat format) {
    // 16-bit pixels and 0x00RRGGBB words, both in the machine's byte order.
    return format == PixelFormat::Rgb565 ? AV_PIX_FMT_RGB565 : AV_PIX_FMT_0RGB32;
}

void blackRows(const MediaPlayer::VideoTarget& target, int top, int bottom, int left, int right) {
    const int bytes = bytesPerPixel(target.format);
    for (int y = std::max(top, 0); y < std::min(bottom, target.height); ++y) {
        std::memset(target.pixels + static_cast<ptrdiff_t>(y) * target.pitch + left * bytes, 0,
                    static_cast<size_t>(right - left) * bytes);
    }
}

}  // namespace

MovieRect movieRect(int displayWidth, int displayHeight, int frameWidth, int frameHeight, int mode) {
    if (displayWidth <= 0 || displayHeight <= 0 || frameWidth <= 0 || frameHeight <= 0) return {};
    int width = displayWidth;
    int height = displayHeight;
    const bool fits = width <= frameWidth && height <= frameHeight;
    if (mode == MediaPlayer::kVideoFullScreen || !fits) {
        // The larger of the two scales that keep the picture inside the frame.
        if (int64_t{frameWidth} * displayHeight <= int64_t{frameHeight} * displayWidth) {
            width = frameWidth;
            height = static_cast<int>(int64_t{displayHeight} * frameWidth / displayWidth);
        } else {
            height = frameHeight;
            width = static_cast<int>(int64_t{displayWidth} * frameHeight / displayHeight);
        }
        width = std::max(width, 1);
        height = std::max(height, 1);
    }
    return {(frameWidth - width) / 2, (frameHeight - height) / 2, width, height};
}

MoviePainter::~MoviePainter() { sws_freeContext(scaler_); }

bool MoviePainter::draw(const MoviePicture& picture, const MediaPlayer::VideoTarget& target, int mode) {
    if (picture.empty() || !target.pixels || target.width <= 0 || target.height <= 0) return false;
    const AVFrame& frame = *picture.frame();
    // Pictures with non-square pixels show at their display shape.
    int displayWidth = frame.width;
    const AVRational aspect = frame.sample_aspect_ratio;
    if (aspect.num > 0 && aspect.den > 0) {
        displayWidth = static_cast<int>(std::clamp<int64_t>(int64_t{frame.width} * aspect.num / aspect.den, 1,
                                                            MovieStream::kMaxSide * 4));
    }
    const MovieRect place = movieRect(displayWidth, frame.height, target.width, target.height, mode);
    if (place.width <= 0 || place.height <= 0) return false;
    scaler_ = sws_getCachedContext(scaler_, frame.width, frame.height, static_cast<AVPixelFormat>(frame.format),
                                   place.width, place.height, targetFormat(target.format), SWS_BILINEAR, nullptr,
                                   nullptr, nullptr);
    if (!scaler_) return false;
    const int bytes = bytesPerPixel(target.format);
    uint8_t* destination[4] = {target.pixels + static_cast<ptrdiff_t>(place.top) * target.pitch + place.left * bytes};
    const int pitches[4] = {target.pitch};
    if (sws_scale(scaler_, frame.data, frame.linesize, 0, frame.height, destination, pitches) <= 0) return false;
    if (mode == MediaPlayer::kVideoFullScreen) {
        blackRows(target, 0, place.top, 0, target.width);
        blackRows(target, place.top + place.height, target.height, 0, target.width);
        blackRows(target, place.top, place.top + place.height, 0, place.left);
        blackRows(target, place.top, place.top + place.height, place.left + place.width, target.width);
    }
    return true;
}

}  // namespace morv
