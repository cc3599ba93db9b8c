// Which of the transitions' pixel paths this processor runs.
#include "effects/effect_paths.h"

#include "effects/avx512.h"

namespace morv {

bool avx512Runs() {
#ifdef MORV_AVX512_BUILT
    static const bool runs = __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") &&
                             __builtin_cpu_supports("avx512vl");
    return runs;
#else
    return false;
#endif
}

std::vector<EffectPath> effectPathsHere() {
    if (avx512Runs()) return {EffectPath::Avx512, EffectPath::Portable};
    return {EffectPath::Portable};
}

}  // namespace morv
