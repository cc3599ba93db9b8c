// The screen sizes and depths every pixel benchmark is measured at.
#pragma once
#include <benchmark/benchmark.h>

namespace morv::bench {

// 640 x 480 and 1280 x 720, at 16 and 32 bits per pixel.
inline void screens(benchmark::internal::Benchmark* b) {
    for (int depth : {16, 32}) {
        b->Args({640, 480, depth});
        b->Args({1280, 720, depth});
    }
    b->MinTime(0.05);
}

}  // namespace morv::bench
