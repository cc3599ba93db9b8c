// Drawing the ripple's disk: displaced samples of both pictures, blended.
#include "effects_library/ripple_frame.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace morv::ripple {

uint32_t blend32(uint32_t o, uint32_t n, BlendWeights w) {
    const uint32_t wo = static_cast<uint32_t>(w.oldWeight);
    const uint32_t wn = static_cast<uint32_t>(w.newWeight);
    const uint32_t blue = ((o & 0xFF) * wo + (n & 0xFF) * wn) >> 8;
    const uint32_t green = (((o >> 8) & 0xFF) * wo + ((n >> 8) & 0xFF) * wn) >> 8;
    const uint32_t red = (((o >> 16) & 0xFF) * wo + ((n >> 16) & 0xFF) * wn) >> 8;
    return (red << 16) | (green << 8) | blue;
}

uint16_t blend16(uint16_t o, uint16_t n, BlendWeights w) {
    const uint32_t wo = static_cast<uint32_t>(w.oldWeight);
    const uint32_t wn = static_cast<uint32_t>(w.newWeight);
    const uint32_t blue = ((o & 0x1Fu) * wo + (n & 0x1Fu) * wn) >> 8;
    const uint32_t green = (((o >> 5) & 0x3Fu) * wo + ((n >> 5) & 0x3Fu) * wn) >> 8;
    const uint32_t red = (((o >> 11) & 0x1Fu) * wo + ((n >> 11) & 0x1Fu) * wn) >> 8;
    return static_cast<uint16_t>((red << 11) | (green << 5) | blue);
}

namespace {

template <typename Pixel, Pixel (*Blend)(Pixel, Pixel, BlendWeights)>
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
            // Division truncates toward zero; the shift rounds toward minus infinity.
            const int64_t sx = cx + dx + ((v * dx) / d2 >> 2);
            const int64_t sy = cy + dy + ((v * dy) / d2 >> 2);
            if (sx < 0 || sx >= width || sy < 0 || sy >= height) continue;
            const ptrdiff_t at = sy * c.pitch + sx * static_cast<ptrdiff_t>(sizeof(Pixel));
            Pixel oldPixel;
            Pixel newPixel;
            std::memcpy(&oldPixel, c.scene + at, sizeof(Pixel));
            std::memcpy(&newPixel, c.stage + at, sizeof(Pixel));
            out[cx + dx] = Blend(oldPixel, newPixel, w);
        }
    }
}

}  // namespace

void drawRippleFrame(const RippleCanvas& canvas, const RippleSettings& settings, const DisplacementTables& tables,
                     BlendWeights weights) {
    if (canvas.sixteenBit) {
        drawDisk<uint16_t, blend16>(canvas, settings, tables, weights);
    } else {
        drawDisk<uint32_t, blend32>(canvas, settings, tables, weights);
    }
}

}  // namespace morv::ripple
