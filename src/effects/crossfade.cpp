#include "effects/crossfade.h"

#include <algorithm>
#include <cstdint>

#include "effects/pixel_loop.h"

namespace morv {

namespace {

// Every channel is weighed in place in a 16-bit lane, so that the compiler can
// process many pixels per vector instruction: no product exceeds 16 bits, and
// each term is masked back to its own field.
MORV_PIXEL_LOOP void crossfade565(const PixelRows& out, const PixelRows& oldRows, const PixelRows& newRows, int width,
                                  int height, uint16_t weight) {
    const uint16_t oldWeight = static_cast<uint16_t>(32 - weight);
    for (int y = 0; y < height; ++y) {
        const uint16_t* a = oldRows.rowAs<const uint16_t>(y);
        const uint16_t* b = newRows.rowAs<const uint16_t>(y);
        uint16_t* o = out.rowAs<uint16_t>(y);
        for (int x = 0; x < width; ++x) {
            // Red moved down to bits 6-10, green and blue where they are.
            const uint16_t ra = static_cast<uint16_t>((a[x] >> 5) & 0x07C0), rb = static_cast<uint16_t>((b[x] >> 5) & 0x07C0);
            const uint16_t ga = a[x] & 0x07E0, gb = b[x] & 0x07E0;
            const uint16_t ba = a[x] & 0x1F, bb = b[x] & 0x1F;
            const uint16_t r = static_cast<uint16_t>(((ra * oldWeight + (31 << 6)) & 0xF800) + ((rb * weight) & 0xF800));
            const uint16_t g1 = static_cast<uint16_t>(ga * oldWeight + (31 << 5));
            const uint16_t g2 = static_cast<uint16_t>(gb * weight);
            const uint16_t g = static_cast<uint16_t>(((g1 >> 5) & 0x07E0) + ((g2 >> 5) & 0x07E0));
            const uint16_t bl = static_cast<uint16_t>(((ba * oldWeight + 31) >> 5) + ((bb * weight) >> 5));
            o[x] = static_cast<uint16_t>(r + g + bl);
        }
    }
}

// Byte by byte: blue, green and red are weighed alike; the spare byte is then cleared.
MORV_PIXEL_LOOP void crossfade8888(const PixelRows& out, const PixelRows& oldRows, const PixelRows& newRows, int width, int height,
                   uint16_t weight) {
    const uint16_t oldWeight = static_cast<uint16_t>(32 - weight);
    const int bytes = 4 * width;
    for (int y = 0; y < height; ++y) {
        const uint8_t* a = oldRows.row(y);
        const uint8_t* b = newRows.row(y);
        uint8_t* o = out.row(y);
        for (int i = 0; i < bytes; ++i) {
            o[i] = static_cast<uint8_t>(((a[i] * oldWeight) >> 5) + ((b[i] * weight) >> 5));
        }
        uint32_t* pixels = out.rowAs<uint32_t>(y);
        for (int x = 0; x < width; ++x) pixels[x] &= 0xFFFFFF;
    }
}

}  // namespace

void crossfadeRows(const PixelRows& out, const PixelRows& oldRows, const PixelRows& newRows, int weight) {
    if (!out || !oldRows || !newRows) return;
    if (oldRows.format != out.format || newRows.format != out.format) return;
    const auto w = static_cast<uint16_t>(std::clamp(weight, 0, 32));
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
