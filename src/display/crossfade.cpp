// Crossfade frames at both depths.
#include "display/crossfade.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "display/pixel_loop.h"

namespace morv {

namespace {

// The old channel rounded up, (v x (32 - w) + 31) >> 5, equals v - ((v x w) >> 5),
// so a pixel becomes old - part(old) + part(new), where part() holds (v x w) >> 5
// in every field. Every field of the result lies within its range, so the sum of
// whole 16-bit words is exact. part() takes two high-half products in 16-bit
// lanes, which the compiler turns into one vector instruction for many pixels:
// red and blue together, (r << 11 | b) x (w << 11) >> 16 = (r x w) << 6 plus
// (b x w) >> 5, and green alone. Needs 0 < w < 32.
MORV_PIXEL_LOOP void crossfade565(const PixelRows& out, const PixelRows& oldRows, const PixelRows& newRows, int width,
                                  int height, uint16_t weight) {
    constexpr uint16_t kRedBlue = 0xF81F, kGreen = 0x07E0;
    const auto factor = static_cast<uint16_t>(weight << 11);
    const auto highHalf = [factor](uint16_t v) { return static_cast<uint16_t>((uint32_t{v} * uint32_t{factor}) >> 16); };
    const auto part = [&highHalf](uint16_t p) {
        const uint16_t redBlue = highHalf(p & kRedBlue), green = highHalf(p & kGreen);
        return static_cast<uint16_t>((redBlue & kRedBlue) | (green & kGreen));
    };
    for (int y = 0; y < height; ++y) {
        const uint16_t* a = oldRows.rowAs<const uint16_t>(y);
        const uint16_t* b = newRows.rowAs<const uint16_t>(y);
        uint16_t* o = out.rowAs<uint16_t>(y);
        for (int x = 0; x < width; ++x) o[x] = static_cast<uint16_t>(a[x] - part(a[x]) + part(b[x]));
    }
}

// Blue, green and red are weighed alike, (v x weight) >> 5 per channel: red and
// blue share one product (each field stays below 2^13, so neither reaches the
// other), green has its own, and the masks drop the bits shifted in from the next
// field and the spare byte.
MORV_PIXEL_LOOP void crossfade8888(const PixelRows& out, const PixelRows& oldRows, const PixelRows& newRows, int width,
                                   int height, uint16_t weight) {
    constexpr uint32_t kRedBlue = 0xFF00FF, kGreen = 0xFF00;
    const uint32_t newWeight = weight;
    const uint32_t oldWeight = 32u - weight;
    const auto part = [](uint32_t p, uint32_t w) {
        return (((p & kRedBlue) * w >> 5) & kRedBlue) | (((p & kGreen) * w >> 5) & kGreen);
    };
    for (int y = 0; y < height; ++y) {
        const uint32_t* a = oldRows.rowAs<const uint32_t>(y);
        const uint32_t* b = newRows.rowAs<const uint32_t>(y);
        uint32_t* o = out.rowAs<uint32_t>(y);
        for (int x = 0; x < width; ++x) o[x] = part(a[x], oldWeight) + part(b[x], newWeight);
    }
}

void copyRows(const PixelRows& out, const PixelRows& in, int width, int height) {
    const auto bytes = static_cast<size_t>(width) * sizeof(uint16_t);
    for (int y = 0; y < height; ++y) std::memmove(out.row(y), in.row(y), bytes);
}

}  // namespace

void crossfadeRows(const PixelRows& out, const PixelRows& oldRows, const PixelRows& newRows, int weight) {
    if (!out || !oldRows || !newRows) return;
    if (oldRows.format != out.format || newRows.format != out.format) return;
    const auto w = static_cast<uint16_t>(std::clamp(weight, 0, 32));
    const int width = std::min({out.width, oldRows.width, newRows.width});
    const int height = std::min({out.height, oldRows.height, newRows.height});
    if (out.format == PixelFormat::Rgb565) {
        // Weight 0 keeps the old picture and 32 gives the new one.
        if (w == 0 || w == 32) {
            copyRows(out, w == 0 ? oldRows : newRows, width, height);
            return;
        }
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
