// The scroll transitions over a long image.
#include "effects/effect_frames.h"
#include "effects/effect_run.h"

namespace morv {

void scrollFrame(Surface& frame, const Surface& image, int direction, int position, int offset) {
    const int64_t w = frame.width(), h = frame.height();
    const int64_t iw = image.width(), ih = image.height();
    if (isHorizontal(direction)) {
        frame.copyRect(image, rectOf(position, 0, position + w, ih), rectOf(0, offset, w, offset + ih), false);
    } else {
        frame.copyRect(image, rectOf(0, position, iw, position + h), rectOf(offset, 0, offset + iw, h), false);
    }
}

void runScroll(const EffectRun& run) {
    Surface& frame = run.frame();
    const Surface& image = run.scratch();
    const int dir = run.values.direction;
    const int offset = run.values.parameter;
    // LSCROLL and USCROLL start at the far end of the image and come back to its start.
    const bool backward = dir == direction::kLeft || dir == direction::kUp;
    // An unreadable scroll image leaves the frame as it is.
    if (image.valid()) {
        const int travel = isHorizontal(dir) ? image.width() - frame.width() : image.height() - frame.height();
        // An image no larger than the screen does not move: only its end position is
        // shown below (nothing when it is smaller than the screen).
        if (travel >= 1) {
            FrameClock clock = run.startClock();
            const uint64_t duration = run.values.durationMs;
            const int frames = backward ? travel + 1 : travel;
            for (int k = 0; k < frames; ++k) {
                if (!clock.waitPast(k * duration / static_cast<uint64_t>(travel))) break;
                scrollFrame(frame, image, dir, backward ? travel - k : k, offset);
                run.present();
            }
        }
        // The end position, also when the run was cancelled.
        scrollFrame(frame, image, dir, backward ? 0 : travel, offset);
    }
    run.copyWhole(run.scene(), run.frame());
    run.copyWhole(run.stage(), run.frame());
}

}  // namespace morv
