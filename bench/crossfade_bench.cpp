// The cost of one crossfade frame at both depths beside a plain copy of a frame.
#include <benchmark/benchmark.h>

#include <cstring>

#include "display/crossfade.h"

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;

void crossfadeFrame(benchmark::State& state, morv::PixelFormat format) {
    morv::Surface oldS(format, nullptr), newS(format, nullptr), out(format, nullptr);
    oldS.create(kWidth, kHeight);
    newS.create(kWidth, kHeight);
    out.create(kWidth, kHeight);
    oldS.fill(0x8040C0);
    newS.fill(0x17F3A5);
    int weight = 0;
    for (auto _ : state) {
        morv::crossfadeStep(out, oldS, newS, weight);
        weight = (weight + 4) & 31;
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(out.pitch()) * kHeight);
}

void BM_Crossfade16(benchmark::State& state) { crossfadeFrame(state, morv::PixelFormat::Rgb565); }
void BM_Crossfade32(benchmark::State& state) { crossfadeFrame(state, morv::PixelFormat::Xrgb8888); }

// The cost of copying one frame into another, for comparison.
void BM_FrameMemcpy(benchmark::State& state) {
    const auto format = state.range(0) == 2 ? morv::PixelFormat::Rgb565 : morv::PixelFormat::Xrgb8888;
    morv::Surface from(format, nullptr), to(format, nullptr);
    from.create(kWidth, kHeight);
    to.create(kWidth, kHeight);
    from.fill(0x8040C0);
    const size_t bytes = static_cast<size_t>(from.pitch()) * kHeight;
    for (auto _ : state) {
        std::memcpy(to.row(0), from.row(0), bytes);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes));
}

}  // namespace

BENCHMARK(BM_Crossfade16);
BENCHMARK(BM_Crossfade32);
BENCHMARK(BM_FrameMemcpy)->Arg(2)->Arg(4);

BENCHMARK_MAIN();
