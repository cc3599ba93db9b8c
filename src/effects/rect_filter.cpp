// The instant color filters on a rectangle of pixels.
#include "effects/rect_filter.h"

#include <algorithm>

namespace morv {

namespace {

// SEPIA is GRAY followed by a blend with this brown.
constexpr BlendColor kSepiaBrown{140, 60, 0};

uint16_t gray565(uint16_t p) {
    const uint32_t v = ((p >> 11) + (((p >> 5) & 0x3F) >> 1) + (p & 0x1F)) / 3;
    return static_cast<uint16_t>(v << 11 | (2 * v) << 5 | v);
}

uint32_t gray8888(uint32_t p) {
    const uint32_t v = (((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF)) / 3;
    return v << 16 | v << 8 | v;
}

// Half of every field plus half the color: no field can carry into the next.
uint16_t blendTerm565(const BlendColor& c) {
    return static_cast<uint16_t>((c.red >> 4) << 11 | (c.green >> 3) << 5 | (c.blue >> 4));
}
uint16_t blend565(uint16_t p, uint16_t term) { return static_cast<uint16_t>(((p >> 1) & 0x7BEF) + term); }

uint32_t blendTerm8888(const BlendColor& c) {
    return static_cast<uint32_t>((c.red >> 1) << 16 | (c.green >> 1) << 8 | (c.blue >> 1));
}
uint32_t blend8888(uint32_t p, uint32_t term) { return ((p >> 1) & 0x7F7F7F) + term; }

template <typename Pixel, typename Op>
void eachPixel(Surface& surface, int left, int top, int right, int bottom, Op op) {
    surface.markChanged({left, top, right + 1, bottom + 1});
    for (int y = top; y <= bottom; ++y) {
        Pixel* row = reinterpret_cast<Pixel*>(surface.row(y));
        for (int x = left; x <= right; ++x) row[x] = op(row[x]);
    }
}

BlendColor clamped(BlendColor c) {
    return {std::clamp(c.red, 0, 255), std::clamp(c.green, 0, 255), std::clamp(c.blue, 0, 255)};
}

void filter565(Surface& s, RectFilter filter, int l, int t, int r, int b, const BlendColor& color) {
    switch (filter) {
        case RectFilter::Gray: eachPixel<uint16_t>(s, l, t, r, b, gray565); break;
        case RectFilter::Sepia: {
            const uint16_t term = blendTerm565(kSepiaBrown);
            eachPixel<uint16_t>(s, l, t, r, b, [term](uint16_t p) { return blend565(gray565(p), term); });
            break;
        }
        case RectFilter::Invert:
            eachPixel<uint16_t>(s, l, t, r, b, [](uint16_t p) { return static_cast<uint16_t>(~p); });
            break;
        case RectFilter::Blend: {
            const uint16_t term = blendTerm565(color);
            eachPixel<uint16_t>(s, l, t, r, b, [term](uint16_t p) { return blend565(p, term); });
            break;
        }
    }
}

void filter8888(Surface& s, RectFilter filter, int l, int t, int r, int b, const BlendColor& color) {
    switch (filter) {
        case RectFilter::Gray: eachPixel<uint32_t>(s, l, t, r, b, gray8888); break;
        case RectFilter::Sepia: {
            const uint32_t term = blendTerm8888(kSepiaBrown);
            eachPixel<uint32_t>(s, l, t, r, b, [term](uint32_t p) { return blend8888(gray8888(p), term); });
            break;
        }
        case RectFilter::Invert: eachPixel<uint32_t>(s, l, t, r, b, [](uint32_t p) { return ~p; }); break;
        case RectFilter::Blend: {
            const uint32_t term = blendTerm8888(color);
            eachPixel<uint32_t>(s, l, t, r, b, [term](uint32_t p) { return blend8888(p, term); });
            break;
        }
    }
}

}  // namespace

void filterRect(Surface& surface, RectFilter filter, const InclusiveRect& rect, BlendColor color) {
    if (!surface.valid()) return;
    int left = rect.left, right = rect.right;
    if (surface.format() == PixelFormat::Rgb565) {
        // Whole pairs: from the pair holding the left pixel to the pair holding the right one.
        left = left >= 0 ? left & ~1 : left;
        right = right >= 0 ? right | 1 : right;
    }
    // Pixels outside the surface are not touched.
    left = std::max(left, 0);
    right = std::min(right, surface.width() - 1);
    const int top = std::max(rect.top, 0);
    const int bottom = std::min(rect.bottom, surface.height() - 1);
    if (left > right || top > bottom) return;
    color = clamped(color);
    if (surface.format() == PixelFormat::Rgb565) {
        filter565(surface, filter, left, top, right, bottom, color);
    } else {
        filter8888(surface, filter, left, top, right, bottom, color);
    }
}

}  // namespace morv
