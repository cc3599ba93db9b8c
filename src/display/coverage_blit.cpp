// Blending coverage masks and filling rectangles on pixel rows.
#include "display/coverage_blit.h"

#include <algorithm>

namespace morv {
namespace {

// Mixes one channel: a is the coverage 0..255.
inline uint32_t mix(uint32_t src, uint32_t dst, uint32_t a) { return (src * a + dst * (255 - a) + 127) / 255; }

struct Rgb565 {
    using Pixel = uint16_t;
    static Pixel pack(uint32_t rgb) { return screenColorTo565(rgb); }
    static Pixel blend(Pixel dst, Pixel src, uint32_t a) {
        uint32_t r = mix(src >> 11, dst >> 11, a);
        uint32_t g = mix(src >> 5 & 0x3F, dst >> 5 & 0x3F, a);
        uint32_t b = mix(src & 0x1F, dst & 0x1F, a);
        return static_cast<Pixel>(r << 11 | g << 5 | b);
    }
};

struct Xrgb8888 {
    using Pixel = uint32_t;
    static Pixel pack(uint32_t rgb) { return rgb & 0xFFFFFF; }
    static Pixel blend(Pixel dst, Pixel src, uint32_t a) {
        uint32_t r = mix(src >> 16 & 0xFF, dst >> 16 & 0xFF, a);
        uint32_t g = mix(src >> 8 & 0xFF, dst >> 8 & 0xFF, a);
        uint32_t b = mix(src & 0xFF, dst & 0xFF, a);
        return r << 16 | g << 8 | b;
    }
};

template <typename Format>
void blendRows(const PixelRows& target, const Rect& area, int x, int y, const CoverageMask& mask,
               uint32_t rgb) {
    using Pixel = typename Format::Pixel;
    const Pixel color = Format::pack(rgb);
    for (int row = area.top; row < area.bottom; ++row) {
        Pixel* out = reinterpret_cast<Pixel*>(target.row(row));
        const uint8_t* in = mask.values + static_cast<ptrdiff_t>(row - y) * mask.pitch;
        for (int col = area.left; col < area.right; ++col) {
            uint32_t a = in[col - x];
            if (a == 0) continue;
            out[col] = a == 255 ? color : Format::blend(out[col], color, a);
        }
    }
}

template <typename Format>
void fillRows(const PixelRows& target, const Rect& area, uint32_t rgb) {
    using Pixel = typename Format::Pixel;
    const Pixel color = Format::pack(rgb);
    for (int row = area.top; row < area.bottom; ++row) {
        Pixel* out = reinterpret_cast<Pixel*>(target.row(row));
        std::fill(out + area.left, out + area.right, color);
    }
}

}  // namespace

void blendCoverage(const PixelRows& target, const Rect& clip, int x, int y, const CoverageMask& mask,
                   uint32_t rgb) {
    Rect area = Rect{x, y, x + mask.width, y + mask.height}.intersected(clip).intersected(Rect{0, 0, target.width, target.height});
    if (area.empty() || !target.pixels || !mask.values) return;
    if (target.format == PixelFormat::Rgb565)
        blendRows<Rgb565>(target, area, x, y, mask, rgb);
    else
        blendRows<Xrgb8888>(target, area, x, y, mask, rgb);
}

void fillRect(const PixelRows& target, const Rect& clip, const Rect& rect, uint32_t rgb) {
    Rect area = rect.intersected(clip).intersected(Rect{0, 0, target.width, target.height});
    if (area.empty() || !target.pixels) return;
    if (target.format == PixelFormat::Rgb565)
        fillRows<Rgb565>(target, area, rgb);
    else
        fillRows<Xrgb8888>(target, area, rgb);
}

}  // namespace morv
