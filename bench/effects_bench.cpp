// The cost of one frame of every transition family beside a plain copy of a frame.
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>

#include "display/pixel_loop.h"
#include "effects/effect_frames.h"
#include "effects/effect_values.h"
#include "effects/rect_filter.h"
#include "screen_sizes.h"

namespace {

using morv::PixelFormat;
using morv::Surface;

struct Pictures {
    Pictures(int width, int height, int depth)
        : format(depth == 16 ? PixelFormat::Rgb565 : PixelFormat::Xrgb8888),
          frame(std::make_unique<Surface>(format, nullptr)),
          scene(std::make_unique<Surface>(format, nullptr)),
          stage(std::make_unique<Surface>(format, nullptr)),
          wide(std::make_unique<Surface>(format, nullptr)) {
        frame->create(width, height);
        scene->create(width, height);
        stage->create(width, height);
        wide->create(width + 64, height);
        // Varied pictures, so that no branch or block average is trivial.
        for (Surface* s : {scene.get(), stage.get(), wide.get()}) {
            uint32_t seed = static_cast<uint32_t>(s->width()) * 2654435761u;
            for (int y = 0; y < s->height(); ++y) {
                uint8_t* row = s->row(y);
                for (int i = 0; i < s->pitch(); ++i) row[i] = static_cast<uint8_t>((seed = seed * 1664525u + 1013904223u) >> 24);
            }
        }
    }
    PixelFormat format;
    std::unique_ptr<Surface> frame, scene, stage, wide;
};

template <typename DrawFrame>
void frameCost(benchmark::State& state, DrawFrame draw) {
    Pictures p(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)), static_cast<int>(state.range(2)));
    for (auto _ : state) {
        draw(p);
        benchmark::ClobberMemory();
    }
}

// One frame copied whole into another, both held as the engine holds its frames.
void BM_EffectMemcpy(benchmark::State& state) {
    frameCost(state, [](Pictures& p) {
        std::memcpy(p.frame->row(0), p.scene->row(0), static_cast<size_t>(p.frame->pitch()) * p.frame->height());
    });
}

// The least a frame costs that reads two pictures and writes a third, as FADE
// does: the bytes of the two are combined into the third with no arithmetic.
MORV_PIXEL_LOOP void combineRows(Surface& out, const Surface& a, const Surface& b) {
    const auto bytes = static_cast<size_t>(out.pitch());
    for (int y = 0; y < out.height(); ++y) {
        const uint8_t* from = a.row(y);
        const uint8_t* with = b.row(y);
        uint8_t* to = out.row(y);
        for (size_t i = 0; i < bytes; ++i) to[i] = from[i] ^ with[i];
    }
}
void BM_ReadTwoWriteOne(benchmark::State& state) {
    frameCost(state, [](Pictures& p) { combineRows(*p.frame, *p.scene, *p.stage); });
}

void BM_Fade(benchmark::State& state) {
    frameCost(state, [](Pictures& p) { morv::fadeFrame(*p.frame, *p.scene, *p.stage, 17); });
}
void BM_Scroll(benchmark::State& state) {
    frameCost(state, [](Pictures& p) { morv::scrollFrame(*p.frame, *p.wide, morv::direction::kLeft, 32, 0); });
}
void BM_Invert(benchmark::State& state) {
    frameCost(state, [](Pictures& p) {
        morv::filterRect(*p.scene, morv::RectFilter::Invert, {0, 0, p.scene->width() - 1, p.scene->height() - 1});
    });
}
void BM_Blind(benchmark::State& state) {
    frameCost(state, [](Pictures& p) {
        morv::blindStep(*p.frame, *p.stage, morv::direction::kLeft, p.frame->height() / 16, 3);
    });
}
void BM_BlindShow(benchmark::State& state) {
    frameCost(state, [](Pictures& p) { morv::blindShowStep(*p.frame, *p.stage, morv::direction::kLeft, 16, 20); });
}
void BM_Curtain(benchmark::State& state) {
    frameCost(state, [](Pictures& p) { morv::curtainBand(*p.frame, *p.stage, morv::direction::kLeft, 8, 10); });
}
void BM_Quake(benchmark::State& state) {
    frameCost(state, [](Pictures& p) { morv::quakeFrame(*p.frame, *p.scene, 3, 32, 5); });
}
void BM_Zoom(benchmark::State& state) {
    frameCost(state, [](Pictures& p) { morv::zoomFrame(*p.frame, *p.scene, *p.stage, 1, 63); });
}
void BM_ZoomHalfway(benchmark::State& state) {
    frameCost(state, [](Pictures& p) { morv::zoomFrame(*p.frame, *p.scene, *p.stage, 2, 40); });
}
void BM_Rotate(benchmark::State& state) {
    std::unique_ptr<morv::RotateTables> tables;
    frameCost(state, [&tables](Pictures& p) {
        if (!tables) tables = std::make_unique<morv::RotateTables>(p.frame->width(), p.frame->height());
        tables->setAngle(42);
        morv::rotateFrame(*p.frame, *p.scene, 3, *tables);
    });
}
// Every mosaic frame: blocks of 2 to 256 pixels from the scene (frames 1 to 8),
// then of 256 down to 2 averaged from the stage (9 to 16).
void BM_Mosaic(benchmark::State& state) {
    const int f = static_cast<int>(state.range(3));
    frameCost(state, [f](Pictures& p) { morv::mosaicFrame(*p.frame, *p.scene, *p.stage, f); });
}
void BM_Move(benchmark::State& state) {
    frameCost(state, [](Pictures& p) { morv::moveStep(*p.frame, *p.scene, *p.stage, morv::direction::kLeft, 8, 1, false); });
}
}  // namespace

BENCHMARK(BM_EffectMemcpy)->Apply(morv::bench::screens);
BENCHMARK(BM_ReadTwoWriteOne)->Apply(morv::bench::screens);
BENCHMARK(BM_Fade)->Apply(morv::bench::screens);
BENCHMARK(BM_Scroll)->Apply(morv::bench::screens);
BENCHMARK(BM_Invert)->Apply(morv::bench::screens);
BENCHMARK(BM_Blind)->Apply(morv::bench::screens);
BENCHMARK(BM_BlindShow)->Apply(morv::bench::screens);
BENCHMARK(BM_Curtain)->Apply(morv::bench::screens);
BENCHMARK(BM_Quake)->Apply(morv::bench::screens);
BENCHMARK(BM_Zoom)->Apply(morv::bench::screens);
BENCHMARK(BM_ZoomHalfway)->Apply(morv::bench::screens);
BENCHMARK(BM_Rotate)->Apply(morv::bench::screens);
BENCHMARK(BM_Mosaic)->Apply([](benchmark::internal::Benchmark* b) { morv::bench::screensEach(b, 1, 16); });
BENCHMARK(BM_Move)->Apply(morv::bench::screens);
