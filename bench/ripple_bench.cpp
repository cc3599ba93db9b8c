// The demo's ripple (radius 200, five waves, moving on) at 640 x 480: one frame's tables
// and disk, averaged over the whole run of t, beside BM_EffectMemcpy of the same size.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "effects_library/ripple_frame.h"
#include "effects_library/ripple_settings.h"
#include "effects_library/ripple_tables.h"

namespace {

using namespace morv::ripple;

void BM_DemoRipple(benchmark::State& state) {
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    const bool sixteenBit = state.range(2) == 16;
    const ptrdiff_t pitch = static_cast<ptrdiff_t>(width) * (sixteenBit ? 2 : 4);
    const size_t bytes = static_cast<size_t>(pitch) * static_cast<size_t>(height);
    std::vector<uint8_t> frame(bytes), scene(bytes), stage(bytes);
    uint32_t seed = 2654435761u;
    for (size_t i = 0; i < bytes; ++i) {
        scene[i] = static_cast<uint8_t>((seed = seed * 1664525u + 1013904223u) >> 24);
        stage[i] = static_cast<uint8_t>((seed = seed * 1664525u + 1013904223u) >> 24);
    }
    const RippleCanvas canvas{frame.data(), scene.data(), stage.data(), width, height, pitch, sixteenBit};
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
