// The cost of one crossfade frame at both depths beside a plain copy of a frame.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

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

// The cost of copying one frame, for comparison.
void BM_FrameMemcpy(benchmark::State& state) {
    const size_t bytes = static_cast<size_t>(state.range(0)) * kWidth * kHeight;
    std::vector<uint8_t> from(bytes, 0x5A), to(bytes);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), bytes);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes));
}

}  // namespace

BENCHMARK(BM_Crossfade16);
BENCHMARK(BM_Crossfade32);
BENCHMARK(BM_FrameMemcpy)->Arg(2)->Arg(4);

BENCHMARK_MAIN();
