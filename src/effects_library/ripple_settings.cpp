// Decoding of the ripple's words, its front and its cross-fade weights.
#include "effects_library/ripple_settings.h"

#include <algorithm>

namespace morv::ripple {

RippleSettings decodeSettings(uint32_t duration, uint32_t parameter) {
    RippleSettings s;
    s.radius = std::min(duration % 10000, kMaxRadius);
    s.durationMs = (duration / 10000) % 10 * 1000;
    s.waves = (duration / 100000) % 100;
    s.amplitude = duration / 10000000;
    s.centreX = static_cast<int32_t>((parameter / 1000) % 1000);
    s.centreY = static_cast<int32_t>(parameter % 1000);
    s.ringMovesOn = parameter > 1000000;
    return s;
}

double frontOffset(const RippleSettings& settings, double t) {
    if (t > 0.5 && !settings.ringMovesOn) return 0.0;
    return (t - 0.5) * 2.0 * settings.radius;
}

BlendWeights blendWeights(double t) {
    if (t < 0.2) return {256, 0};
    if (t > 0.9) return {0, 256};
    // 256 / 0.7 per unit of t.
    const int newWeight = std::clamp(static_cast<int>((t - 0.2) * 365.7142857142857), 0, 256);
    return {256 - newWeight, newWeight};
}

}  // namespace morv::ripple
