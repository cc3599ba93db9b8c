// Drawing the ripple's disk: displaced samples of both pictures, blended.
#include "effects_library/ripple_frame.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace morv::ripple {

namespace {

template <typename Pixel>
void drawDisk(const RippleCanvas& c, const RippleSettings& s, const DisplacementTables& tables, BlendWeights w) {
    const int64_t radius = s.radius;
    const int64_t cx = s.centreX;
    const int64_t cy = s.centreY;
    const int64_t width = c.width;
    const int64_t height = c.height;
    for (int64_t dy = -radius; dy < radius; ++dy) {
        const int64_t y = cy + dy;
        if (y < 0) continue;
        if (y >= height) break;
        const auto halfWidth = static_cast<int64_t>(std::sqrt(static_cast<double>(radius * radius - dy * dy)));
        const int64_t firstDx = std::max(-halfWidth, -cx);
        const int64_t endDx = std::min(halfWidth, width - cx);
        auto* out = reinterpret_cast<Pixel*>(c.frame + y * c.pitch);
        for (int64_t dx = firstDx; dx < endDx; ++dx) {
            const int64_t d2 = dx * dx + dy * dy + 3;
            const int64_t v = tables.at(d2);
            const double inverse = 1.0 / static_cast<double>(d2);
            // Division truncates toward zero; the shift rounds toward minus infinity.
            const int64_t sx = cx + dx + (dividedTowardZero(v * dx, d2, inverse) >> 2);
            const int64_t sy = cy + dy + (dividedTowardZero(v * dy, d2, inverse) >> 2);
            if (sx < 0 || sx >= width || sy < 0 || sy >= height) continue;
            const ptrdiff_t at = sy * c.pitch + sx * static_cast<ptrdiff_t>(sizeof(Pixel));
            Pixel oldPixel;
            Pixel newPixel;
            std::memcpy(&oldPixel, c.scene + at, sizeof(Pixel));
            std::memcpy(&newPixel, c.stage + at, sizeof(Pixel));
            if constexpr (sizeof(Pixel) == 2) {
                out[cx + dx] = blend16(oldPixel, newPixel, w);
            } else {
                out[cx + dx] = blend32(oldPixel, newPixel, w);
            }
        }
    }
}

}  // namespace

void drawRippleFrame(const RippleCanvas& canvas, const RippleSettings& settings, const DisplacementTables& tables,
                     BlendWeights weights) {
    if (canvas.sixteenBit) {
        drawDisk<uint16_t>(canvas, settings, tables, weights);
    } else {
        drawDisk<uint32_t>(canvas, settings, tables, weights);
    }
}

}  // namespace morv::ripple
