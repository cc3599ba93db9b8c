// Marks hot pixel loops to be built for more than one processor.
#pragma once

// Marks a hot pixel loop to be built three times on x86-64: for processors with
// AVX-512 (x86-64-v4), for those with AVX2, and for any other; the loader picks the
// version when the program starts.
// ThreadSanitizer builds keep one version: the loader would run the instrumented
// chooser before the sanitizer's run time is ready.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__) && !defined(__SANITIZE_THREAD__)
#define MORV_PIXEL_LOOP __attribute__((target_clones("arch=x86-64-v4", "avx2", "default")))
#else
#define MORV_PIXEL_LOOP
#endif
