// The demo's ripple (radius 200, five waves, moving on) at 640 x 480: one frame's tables
// and disk, averaged over the whole run of t, beside BM_EffectMemcpy of the same size.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "display/surface.h"
#include "effects_library/ripple_frame.h"
#include "effects_library/ripple_settings.h"
#include "effects_library/ripple_tables.h"

namespace {

using namespace morv::ripple;

void BM_DemoRipple(benchmark::State& state) {
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    const bool sixteenBit = state.range(2) == 16;
    // The engine hands the effect its own surfaces' rows.
    const auto format = sixteenBit ? morv::PixelFormat::Rgb565 : morv::PixelFormat::Xrgb8888;
    morv::Surface frame(format, nullptr), scene(format, nullptr), stage(format, nullptr);
    frame.create(width, height);
    scene.create(width, height);
    stage.create(width, height);
    const ptrdiff_t pitch = frame.pitch();
    const size_t bytes = static_cast<size_t>(pitch) * static_cast<size_t>(height);
    uint32_t seed = 2654435761u;
    for (size_t i = 0; i < bytes; ++i) {
        scene.row(0)[i] = static_cast<uint8_t>((seed = seed * 1664525u + 1013904223u) >> 24);
        stage.row(0)[i] = static_cast<uint8_t>((seed = seed * 1664525u + 1013904223u) >> 24);
    }
    const RippleCanvas canvas{frame.row(0), scene.row(0), stage.row(0), width, height, pitch, sixteenBit};
    const RippleSettings settings = decodeSettings(10520200, 1320240);
    DisplacementTables tables;
    constexpr int kFrames = 200;
    int step = 0;
    for (auto _ : state) {
        const double t = static_cast<double>(step) / kFrames;
        step = (step + 1) % kFrames;
        tables.build(settings, t, frontOffset(settings, t));
        drawRippleFrame(canvas, settings, tables, blendWeights(t));
        benchmark::ClobberMemory();
    }
}

}  // namespace

BENCHMARK(BM_DemoRipple)->Args({640, 480, 32})->Args({640, 480, 16})->MinTime(0.2);
