// The ripple's settings, read from the decimal digits of its duration and parameter words.
#pragma once
#include <cstdint>

namespace morv::ripple {

// Squared distances reach the last displacement table only below 1024 x 1024.
inline constexpr uint32_t kMaxRadius = 1023;

struct RippleSettings {
    uint32_t radius = 0;           // R: disk radius in pixels
    uint32_t durationMs = 0;       // whole seconds x 1000
    uint32_t waves = 0;            // A: sine periods between the centre and the rim
    uint32_t amplitude = 0;        // Q: amplitude factor
    int32_t centreX = 0;           // X
    int32_t centreY = 0;           // Y
    bool ringMovesOn = false;      // F: after half time the ring moves on outward
};

// T = QQ..Q AA S RRRR and P = F XXX YYY in decimal digits. Radii past the tables
// are clamped to the largest radius they cover.
RippleSettings decodeSettings(uint32_t duration, uint32_t parameter);

// The inner edge of the disturbed ring at time t (0 to 1): from -R up to 0 in the
// first half, then on outward to R when the ring moves on, else staying at 0.
double frontOffset(const RippleSettings& settings, double t);

// Weights of the old and the new picture, 0 to 256 each, summing to 256.
struct BlendWeights {
    int oldWeight = 256;
    int newWeight = 0;
};
BlendWeights blendWeights(double t);

}  // namespace morv::ripple
