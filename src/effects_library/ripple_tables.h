// The per-frame radial displacements of the ripple, tabulated by squared distance.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

#include "effects_library/ripple_settings.h"

namespace morv::ripple {

// Four tables of the displacement v(r), each indexed by a squared distance: fine
// steps near the centre, coarser ones farther out, so that one frame evaluates the
// wave 5120 times instead of once per pixel.
class DisplacementTables {
public:
    // Squared distances from here on fall outside every table.
    static constexpr int64_t kReach = int64_t{1024} * 1024;

    // v(r) for time t (0 to 1) with the ring's inner edge at frontOffset.
    static int32_t displacement(const RippleSettings& settings, double t, double frontOffset, double r);

    void build(const RippleSettings& settings, double t, double frontOffset);
    // The entry for squared distance d2 (0 <= d2 < kReach); 0 beyond the tables.
    int32_t at(int64_t d2) const {
        if (d2 <= 256) return fine_[static_cast<size_t>(d2)];
        if (d2 < 65536) return near_[static_cast<size_t>(d2 >> 5)];
        if (d2 < 262144) return middle_[static_cast<size_t>(d2 >> 8)];
        if (d2 < kReach) return far_[static_cast<size_t>(d2 >> 10)];
        return 0;
    }

private:
    std::array<int32_t, 1024> fine_{};    // v(sqrt(n))
    std::array<int32_t, 2048> near_{};    // v(sqrt(32 n))
    std::array<int32_t, 1024> middle_{};  // v(sqrt(256 n))
    std::array<int32_t, 1024> far_{};     // v(sqrt(1024 n))
};

}  // namespace morv::ripple
