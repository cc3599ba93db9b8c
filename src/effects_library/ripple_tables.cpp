// Filling the displacement tables from the envelope and the travelling wave.
#include "effects_library/ripple_tables.h"

#include <cmath>
#include <limits>

namespace morv::ripple {

namespace {

// The wave's period constant; deliberately not a more exact 2 pi.
constexpr double kTurn = 6.28318;

// Truncates toward zero; values an int32 cannot hold (or no value at all) give 0
// rather than undefined behaviour.
int32_t truncated(double v) {
    if (!std::isfinite(v)) return 0;
    constexpr double kLimit = std::numeric_limits<int32_t>::max();
    if (v >= kLimit || v <= -kLimit) return 0;
    return static_cast<int32_t>(v);
}

template <size_t N>
void fill(std::array<int32_t, N>& table, double step, const RippleSettings& s, double t, double front) {
    for (size_t n = 0; n < N; ++n) {
        table[n] = DisplacementTables::displacement(s, t, front, std::sqrt(step * static_cast<double>(n)));
    }
}

}  // namespace

int32_t DisplacementTables::displacement(const RippleSettings& s, double t, double front, double r) {
    // A disk of radius 0 has nothing to displace (and 1 / R^2 would not be finite).
    if (s.radius == 0) return 0;
    const double radius = s.radius;
    const double k1 = 4.0 / (radius * radius);
    const double k2 = 4.0 * (s.amplitude * 1000.0) / (radius * radius);
    const double inRing = r - front;
    // Outside the ring nothing moves, and the wave need not be evaluated.
    if (inRing < 0.0 || inRing > radius) return 0;
    const double envelope = k1 * (radius - r - front) * inRing;
    const double wave = std::sin(kTurn * (s.waves * r / radius - s.waves * t)) - 1.0;
    return truncated(k2 * wave * (radius - r) * envelope * r);
}

void DisplacementTables::build(const RippleSettings& settings, double t, double frontOffset) {
    fill(fine_, 1.0, settings, t, frontOffset);
    fill(near_, 32.0, settings, t, frontOffset);
    fill(middle_, 256.0, settings, t, frontOffset);
    fill(far_, 1024.0, settings, t, frontOffset);
}

}  // namespace morv::ripple
