// BLIND and BLINDSHOW: stripes of the new picture revealed line by line.
#include <algorithm>

#include "effects/effect_frames.h"
#include "effects/effect_run.h"

namespace morv {

namespace {

bool startsAtFarEdge(int dir) { return dir == direction::kLeft || dir == direction::kUp; }

// Copies line `line` of the stage into the frame: a whole row, a column, or the
// 16-bit pixel pair (one 32-bit word) that holds the column.
void copyLine(Surface& frame, const Surface& stage, int dir, bool pairs, int line) {
    const int w = frame.width(), h = frame.height();
    Rect r;
    if (!isHorizontal(dir)) {
        r = {0, line, w, line + 1};
    } else if (pairs) {
        r = {line & ~1, 0, std::min((line & ~1) + 2, w), h};
    } else {
        r = {line, 0, line + 1, h};
    }
    frame.copyRect(stage, r, r, false);
}

bool pairColumns(const Surface& frame, int dir) {
    return isHorizontal(dir) && frame.format() == PixelFormat::Rgb565;
}

}  // namespace

int blindLines(const Surface& frame, int dir) {
    if (!isHorizontal(dir)) return frame.height();
    return pairColumns(frame, dir) ? frame.width() / 2 : frame.width();
}

void blindStep(Surface& frame, const Surface& stage, int dir, int stripe, int n) {
    const bool pairs = pairColumns(frame, dir);
    const int lines = blindLines(frame, dir);
    // A 16-bit stripe spans half as many pixel pairs; a one-pixel stripe still
    // advances by one pair.
    const int period = pairs ? std::max(stripe / 2, 1) : stripe;
    if (period < 1) return;
    const bool backward = startsAtFarEdge(dir);
    for (int64_t line = backward ? lines - 1 - n : n; line >= 0 && line < lines;
         line += backward ? -period : period) {
        const int at = static_cast<int>(line);
        copyLine(frame, stage, dir, pairs, pairs ? 2 * at : at);
    }
}

void blindShowStep(Surface& frame, const Surface& stage, int dir, int stripe, int k) {
    if (stripe < 1) return;
    const int length = isHorizontal(dir) ? frame.width() : frame.height();
    const bool pairs = pairColumns(frame, dir);
    const bool backward = startsAtFarEdge(dir);
    // Stripe j opens at step j and takes `stripe` steps; its line at step k lies
    // k - j into it, at k + j (stripe - 1), which grows with j.
    for (int64_t j = std::max(0, k - stripe + 1); j <= k; ++j) {
        const int64_t position = k + j * (stripe - 1);
        if (position >= length) break;
        const int at = static_cast<int>(backward ? length - 1 - position : position);
        copyLine(frame, stage, dir, pairs, at);
    }
}

void runBlind(const EffectRun& run) {
    run.copyWhole(run.frame(), run.scene());
    const int stripe = run.values.parameter;
    const int dir = run.values.direction;
    if (stripe >= 1) {
        FrameClock clock = run.startClock();
        const uint64_t duration = run.values.durationMs;
        // Steps past the last line draw nothing: a stripe wider than the screen
        // stops there instead of presenting the same frame again and again.
        const int steps = std::min(stripe, blindLines(run.frame(), dir));
        for (int n = 0; n < steps; ++n) {
            if (!clock.waitPast(n * duration / static_cast<uint64_t>(stripe))) break;
            blindStep(run.frame(), run.stage(), dir, stripe, n);
            run.present();
        }
    }
    run.copyWhole(run.frame(), run.stage());
    run.copyWhole(run.scene(), run.stage());
}

void runBlindShow(const EffectRun& run) {
    run.copyWhole(run.frame(), run.scene());
    const int stripe = run.values.parameter;
    const int dir = run.values.direction;
    const int length = isHorizontal(dir) ? run.frame().width() : run.frame().height();
    if (stripe >= 1) {
        FrameClock clock = run.startClock();
        const uint64_t duration = run.values.durationMs;
        const int64_t stepCount = length / stripe + int64_t{stripe} - 1;
        // As with BLIND, steps that reach no line are not drawn.
        const int64_t steps = std::min<int64_t>(stepCount, length);
        for (int k = 0; k < steps; ++k) {
            if (!clock.waitPast(k * duration / static_cast<uint64_t>(stepCount))) break;
            blindShowStep(run.frame(), run.stage(), dir, stripe, k);
            run.present();
        }
    }
    run.copyWhole(run.frame(), run.stage());
    run.copyWhole(run.scene(), run.stage());
}

}  // namespace morv
