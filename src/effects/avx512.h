// Whether AVX-512 code is built here, how it is marked, and whether this processor runs it.
#pragma once

#if defined(__x86_64__) && defined(__GNUC__)
#define MORV_AVX512_BUILT 1
#define MORV_AVX512 __attribute__((target("avx512f,avx512bw,avx512vl")))
#endif

namespace morv {

// Whether this build has the AVX-512 code and this processor can run it.
bool avx512Runs();

}  // namespace morv
