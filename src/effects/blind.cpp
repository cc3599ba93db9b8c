// BLIND and BLINDSHOW: stripes of the new picture revealed line by line.
#include <algorithm>
#include <cstring>

#include "effects/effect_frames.h"
#include "effects/effect_run.h"

namespace morv {

namespace {

bool startsAtFarEdge(int dir) { return dir == direction::kLeft || dir == direction::kUp; }

// Lines first, first + step, ... (count of them) of the stage copied into the
// frame: whole rows, columns, or the 16-bit pixel pairs (one 32-bit word each)
// that hold the columns. Columns are copied row by row, so that both pictures
// are read in the order they lie in memory.
template <typename Pixel>
void copyLineSeries(Surface& frame, const Surface& stage, int dir, bool pairs, int first, int step, int count) {
    const int w = frame.width(), h = frame.height();
    const int last = first + (count - 1) * step;
    if (!isHorizontal(dir)) {
        for (int k = 0, line = first; k < count; ++k, line += step) {
            std::memmove(frame.row(line), stage.row(line), static_cast<size_t>(w) * sizeof(Pixel));
        }
        frame.markChanged({0, std::min(first, last), w, std::max(first, last) + 1});
        return;
    }
    const int columnMask = pairs ? ~1 : ~0;
    for (int y = 0; y < h; ++y) {
        Pixel* out = reinterpret_cast<Pixel*>(frame.row(y));
        const Pixel* in = reinterpret_cast<const Pixel*>(stage.row(y));
        for (int k = 0, line = first; k < count; ++k, line += step) {
            const int x = line & columnMask;
            out[x] = in[x];
            // An odd last column has no pair.
            if (pairs && x + 1 < w) out[x + 1] = in[x + 1];
        }
    }
    const int columns = pairs ? 2 : 1;
    frame.markChanged({std::min(first, last) & columnMask, 0, std::min((std::max(first, last) & columnMask) + columns, w), h});
}

void copyLines(Surface& frame, const Surface& stage, int dir, bool pairs, int first, int step, int count) {
    if (count < 1 || !frame.valid() || !stage.valid() || stage.format() != frame.format() ||
        stage.width() < frame.width() || stage.height() < frame.height()) {
        return;
    }
    if (frame.format() == PixelFormat::Rgb565) {
        copyLineSeries<uint16_t>(frame, stage, dir, pairs, first, step, count);
    } else {
        copyLineSeries<uint32_t>(frame, stage, dir, pairs, first, step, count);
    }
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
    const int64_t first = backward ? int64_t{lines} - 1 - n : n;
    if (first < 0 || first >= lines) return;
    const int64_t count = backward ? first / period + 1 : (lines - 1 - first) / period + 1;
    const int scale = pairs ? 2 : 1;
    copyLines(frame, stage, dir, pairs, static_cast<int>(first) * scale, (backward ? -period : period) * scale,
              static_cast<int>(count));
}

void blindShowStep(Surface& frame, const Surface& stage, int dir, int stripe, int k) {
    if (stripe < 1) return;
    const int length = isHorizontal(dir) ? frame.width() : frame.height();
    const bool pairs = pairColumns(frame, dir);
    const bool backward = startsAtFarEdge(dir);
    // Stripe j opens at step j and takes `stripe` steps; its line at step k lies
    // k - j into it, at k + j (stripe - 1), which grows with j.
    const int64_t firstStripe = std::max(0, k - stripe + 1);
    const int64_t firstPosition = k + firstStripe * (stripe - 1);
    if (k < 0 || firstPosition >= length) return;
    int64_t count = k - firstStripe + 1;
    if (stripe > 1) count = std::min(count, (length - 1 - firstPosition) / (stripe - 1) + 1);
    const auto at = static_cast<int>(backward ? length - 1 - firstPosition : firstPosition);
    copyLines(frame, stage, dir, pairs, at, backward ? 1 - stripe : stripe - 1, static_cast<int>(count));
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
