// The screen sizes and depths every pixel benchmark is measured at.
#pragma once
#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>

namespace morv::bench {

// 640 x 480 and 1280 x 720, at 16 and 32 bits per pixel: width, height, depth.
inline constexpr std::array<std::array<int64_t, 3>, 4> kScreens{{{640, 480, 16}, {1280, 720, 16}, {640, 480, 32}, {1280, 720, 32}}};

inline void screens(benchmark::internal::Benchmark* b) {
    for (const auto& s : kScreens) b->Args({s[0], s[1], s[2]});
    b->MinTime(0.05);
}

// Every screen once for each value from `first` to `last`, as a fourth argument.
inline void screensEach(benchmark::internal::Benchmark* b, int first, int last) {
    for (const auto& s : kScreens)
        for (int64_t value = first; value <= last; ++value) b->Args({s[0], s[1], s[2], value});
    b->MinTime(0.05);
}

}  // namespace morv::bench
