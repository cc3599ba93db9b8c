#include "effects/crossfade.h"

#include <algorithm>
#include <cstdint>

namespace morv {

namespace {

// A 565 pixel spread over a word as 00000GGGGGG00000RRRRR000000BBBBB: each field
// then has five spare bits above it, room for a product with a weight up to 32.
constexpr uint32_t kSpread565 = 0x07E0F81F;
constexpr uint32_t kRoundUp565 = 31u | 31u << 11 | 31u << 21;

inline uint32_t spread565(uint32_t p) { return (p | p << 16) & kSpread565; }

void crossfade565(const PixelRows& out, const PixelRows& oldRows, const PixelRows& newRows, int width, int height,
                  uint32_t weight) {
    const uint32_t oldWeight = 32 - weight;
    for (int y = 0; y < height; ++y) {
        const uint16_t* a = oldRows.rowAs<const uint16_t>(y);
        const uint16_t* b = newRows.rowAs<const uint16_t>(y);
        uint16_t* o = out.rowAs<uint16_t>(y);
        for (int x = 0; x < width; ++x) {
            uint32_t mixed = (((spread565(a[x]) * oldWeight + kRoundUp565) >> 5) & kSpread565) +
                             (((spread565(b[x]) * weight) >> 5) & kSpread565);
            o[x] = static_cast<uint16_t>(mixed | mixed >> 16);
        }
    }
}

// Red and blue are weighted together, 16 bits apart; green on its own.
inline uint32_t weigh8888(uint32_t p, uint32_t weight) {
    return (((p & 0xFF00FF) * weight >> 5) & 0xFF00FF) | (((p & 0x00FF00) * weight >> 5) & 0x00FF00);
}

void crossfade8888(const PixelRows& out, const PixelRows& oldRows, const PixelRows& newRows, int width, int height,
                   uint32_t weight) {
    const uint32_t oldWeight = 32 - weight;
    for (int y = 0; y < height; ++y) {
        const uint32_t* a = oldRows.rowAs<const uint32_t>(y);
        const uint32_t* b = newRows.rowAs<const uint32_t>(y);
        uint32_t* o = out.rowAs<uint32_t>(y);
        for (int x = 0; x < width; ++x) o[x] = weigh8888(a[x], oldWeight) + weigh8888(b[x], weight);
    }
}

}  // namespace

void crossfadeRows(const PixelRows& out, const PixelRows& oldRows, const PixelRows& newRows, int weight) {
    if (!out || !oldRows || !newRows) return;
    if (oldRows.format != out.format || newRows.format != out.format) return;
    const uint32_t w = static_cast<uint32_t>(std::clamp(weight, 0, 32));
    const int width = std::min({out.width, oldRows.width, newRows.width});
    const int height = std::min({out.height, oldRows.height, newRows.height});
    if (out.format == PixelFormat::Rgb565) {
        crossfade565(out, oldRows, newRows, width, height, w);
    } else {
        crossfade8888(out, oldRows, newRows, width, height, w);
    }
}

void crossfadeStep(Surface& out, Surface& oldSurface, Surface& newSurface, int weight) {
    crossfadeRows(out.lock(), oldSurface.lock(), newSurface.lock(), weight);
    newSurface.unlock();
    oldSurface.unlock();
    out.unlock();
}

}  // namespace morv
