#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

#include "effects/effect_frames.h"
#include "effects/effect_run.h"

namespace morv {

namespace {

constexpr int kAngleStep = 6;
constexpr int kLargestAngle = 180;
constexpr int kReverse = 4;

struct DegreeTables {
    std::array<double, kLargestAngle + 1> sine;
    std::array<double, kLargestAngle + 1> cosine;
};

// Sine and cosine of every whole degree from 0 to 180, computed once.
const DegreeTables& degreeTables() {
    static const DegreeTables tables = [] {
        DegreeTables t{};
        const double radiansPerDegree = std::acos(-1.0) / 180.0;
        for (int k = 0; k <= kLargestAngle; ++k) {
            t.sine[static_cast<size_t>(k)] = std::sin(k * radiansPerDegree);
            t.cosine[static_cast<size_t>(k)] = std::cos(k * radiansPerDegree);
        }
        return t;
    }();
    return tables;
}

template <typename Pixel>
void rotateRows(const PixelRows& out, const PixelRows& in, int dir, const RotateTables& tables) {
    const int w = out.width, h = out.height;
    const int* sine = tables.sineAtCentre();
    const int* cosine = tables.cosineAtCentre();
    // CROTATE samples (cx + cos x' + sin y', cy + cos y' - sin x'); RROTATE turns the
    // other way: (cx + cos x' - sin y', cy + sin x' + cos y').
    const int sense = dir == kReverse ? 1 : -1;
    // The last column and row of the scene are never sampled.
    const unsigned sampleWidth = static_cast<unsigned>(w - 1), sampleHeight = static_cast<unsigned>(h - 1);
    for (int y = 0; y < h; ++y) {
        const int dy = y - h / 2;
        const int rowX = w / 2 - sense * sine[dy];
        const int rowY = h / 2 + cosine[dy];
        Pixel* o = out.rowAs<Pixel>(y);
        for (int x = 0; x < w; ++x) {
            const int dx = x - w / 2;
            const int sx = rowX + cosine[dx];
            const int sy = rowY + sense * sine[dx];
            o[x] = static_cast<unsigned>(sx) < sampleWidth && static_cast<unsigned>(sy) < sampleHeight
                       ? in.rowAs<const Pixel>(sy)[sx]
                       : Pixel{0};
        }
    }
}

}  // namespace

// Offsets from the centre run from -(size / 2) to size - 1 - size / 2, so an odd
// size needs one entry more than the size on the positive side.
RotateTables::RotateTables(int width, int height)
    : centre_(std::max(width, height) / 2),
      sine_(static_cast<size_t>(2 * centre_ + 1)),
      cosine_(static_cast<size_t>(2 * centre_ + 1)) {}

void RotateTables::setAngle(int degrees) {
    const DegreeTables& t = degreeTables();
    const double s = t.sine[static_cast<size_t>(std::clamp(degrees, 0, kLargestAngle))];
    const double c = t.cosine[static_cast<size_t>(std::clamp(degrees, 0, kLargestAngle))];
    for (int i = -centre_; i <= centre_; ++i) {
        sine_[static_cast<size_t>(i + centre_)] = static_cast<int>(i * s);
        cosine_[static_cast<size_t>(i + centre_)] = static_cast<int>(i * c);
    }
}

void rotateFrame(Surface& frame, Surface& scene, int dir, const RotateTables& tables) {
    PixelRows out = frame.lock();
    PixelRows in = scene.lock();
    if (!out || !in || in.format != out.format || in.width != out.width || in.height != out.height) return;
    if (out.format == PixelFormat::Rgb565) {
        rotateRows<uint16_t>(out, in, dir, tables);
    } else {
        rotateRows<uint32_t>(out, in, dir, tables);
    }
}

void runRotate(const EffectRun& run) {
    // The sense of the turn does not depend on the sign of the angle.
    const int64_t finalAngle = std::min<int64_t>(std::llabs(int64_t{run.values.parameter}), kLargestAngle);
    RotateTables tables(run.frame().width(), run.frame().height());
    FrameClock clock = run.startClock();
    const uint64_t duration = run.values.durationMs;
    for (int n = 0; kAngleStep * n <= finalAngle; ++n) {
        const int angle = kAngleStep * n;
        // A final angle of 0 has the one frame at 0 degrees, drawn at once.
        const uint64_t deadline = finalAngle == 0 ? 0 : angle * duration / static_cast<uint64_t>(finalAngle);
        if (!clock.waitPast(deadline)) break;
        tables.setAngle(angle);
        rotateFrame(run.frame(), run.scene(), run.values.direction, tables);
        run.present();
    }
    run.copyWhole(SurfaceRole::SceneSurface, SurfaceRole::FrameSurface);
    run.copyWhole(SurfaceRole::StageSurface, SurfaceRole::FrameSurface);
}

}  // namespace morv
