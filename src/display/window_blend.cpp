// Blending the text-window background over the scene.
#include "display/window_blend.h"

#include <algorithm>
#include <cstring>

namespace morv {
namespace {

// Fields of two RGB565 pixels in one word, moved down to bit 0 of each half.
constexpr uint32_t kFive = 0x001F001F;
constexpr uint32_t kSix = 0x003F003F;

// share / 32 of both pixels of a word, each channel rounded down on its own; the
// products stay below 2^11 so no half carries into the other.
inline uint32_t scalePair565(uint32_t pair, uint32_t share) {
    uint32_t red = ((pair >> 11 & kFive) * share >> 5) & kFive;
    uint32_t green = ((pair >> 5 & kSix) * share >> 5) & kSix;
    uint32_t blue = ((pair & kFive) * share >> 5) & kFive;
    return red << 11 | green << 5 | blue;
}

inline uint32_t scale8888(uint32_t pixel, uint32_t share) {
    uint32_t redBlue = ((pixel & 0x00FF00FF) * share >> 5) & 0x00FF00FF;
    uint32_t green = ((pixel >> 8 & 0xFF) * share >> 5) & 0xFF;
    return redBlue | green << 8;
}

void blend565(const PixelRows& target, const WindowImage& image, const Rect& area, const Rect& rect, uint32_t t) {
    const uint32_t u = 32 - t;
    for (int y = area.top; y < area.bottom; ++y) {
        uint8_t* out = target.row(y);
        const uint8_t* in = image.row(y - rect.top);
        int x = area.left;
        for (; x + 1 < area.right; x += 2) {
            uint32_t scene, window;
            std::memcpy(&scene, out + x * 2, 4);
            std::memcpy(&window, in + (x - rect.left) * 2, 4);
            uint32_t mixed = scalePair565(window, u) + scalePair565(scene, t);
            std::memcpy(out + x * 2, &mixed, 4);
        }
        if (x < area.right) {
            uint16_t scene, window;
            std::memcpy(&scene, out + x * 2, 2);
            std::memcpy(&window, in + (x - rect.left) * 2, 2);
            uint16_t mixed = static_cast<uint16_t>(scalePair565(window, u) + scalePair565(scene, t));
            std::memcpy(out + x * 2, &mixed, 2);
        }
    }
}

void blend8888(const PixelRows& target, const WindowImage& image, const Rect& area, const Rect& rect, uint32_t t) {
    const uint32_t u = 32 - t;
    for (int y = area.top; y < area.bottom; ++y) {
        uint32_t* out = target.rowAs<uint32_t>(y);
        const uint8_t* in = image.row(y - rect.top);
        for (int x = area.left; x < area.right; ++x) {
            uint32_t window;
            std::memcpy(&window, in + (x - rect.left) * 4, 4);
            out[x] = scale8888(window, u) + scale8888(out[x], t);
        }
    }
}

// The grey added to 3/8 of a bevel pixel.
struct Shade {
    uint32_t red, green, blue;  // in the format's own channel units
};

struct Shades {
    Shade light, below, right;
};

constexpr Shades kShades8888{{159, 159, 159}, {80, 80, 80}, {40, 40, 40}};
constexpr Shades kShades565{{19, 39, 19}, {10, 20, 10}, {5, 10, 5}};

template <typename Pixel>
class BevelPainter {
public:
    BevelPainter(const PixelRows& target, PixelFormat format) : target_(target), format_(format) {}

    // Shades columns x0 .. x1 - 1 of row y; pixels outside the surface are skipped.
    void span(int y, int x0, int x1, const Shade& shade) const {
        if (y < 0 || y >= target_.height) return;
        Pixel* row = target_.rowAs<Pixel>(y);
        for (int x = std::max(0, x0); x < std::min(target_.width, x1); ++x) row[x] = apply(row[x], shade);
    }
    void band(int y0, int y1, int x0, int x1, const Shade& shade) const {
        for (int y = y0; y < y1; ++y) span(y, x0, x1, shade);
    }

private:
    Pixel apply(Pixel pixel, const Shade& s) const {
        if (format_ == PixelFormat::Rgb565) {
            uint32_t r = (pixel >> 11 & 0x1F) * 3 / 8 + s.red;
            uint32_t g = (pixel >> 5 & 0x3F) * 3 / 8 + s.green;
            uint32_t b = (pixel & 0x1F) * 3 / 8 + s.blue;
            return static_cast<Pixel>(r << 11 | g << 5 | b);
        }
        uint32_t r = (pixel >> 16 & 0xFF) * 3 / 8 + s.red;
        uint32_t g = (pixel >> 8 & 0xFF) * 3 / 8 + s.green;
        uint32_t b = (pixel & 0xFF) * 3 / 8 + s.blue;
        return static_cast<Pixel>(r << 16 | g << 8 | b);
    }

    const PixelRows& target_;
    PixelFormat format_;
};

template <typename Pixel>
void bevel(const PixelRows& target, const Rect& rect, const Shades& shades, int cornerShift) {
    const BevelPainter<Pixel> paint(target, target.format);
    const int L = rect.left, T = rect.top, R = rect.right, B = rect.bottom;
    paint.band(T - 6, T, L - 6, R, shades.light);   // top
    paint.band(T, B, L - 6, L, shades.light);       // left
    paint.band(B, B + 6, L, R, shades.below);       // bottom
    paint.band(T, B, R, R + 6, shades.right);       // right
    // The corner squares: split on their diagonal. At 16 bits they sit one column
    // to the left, with the diagonal moved along.
    const int s = cornerShift;
    for (int k = 0; k < 6; ++k) {
        int top = T - 6 + k;
        paint.span(top, R + s, R + 6 - k + s, shades.light);
        paint.span(top, R + 6 - k + s, R + 6 + s, shades.right);
        int bottom = B + k;
        paint.span(bottom, L - 6 + s, L - k + s, shades.light);
        paint.span(bottom, L - k + s, L + s, shades.below);
        paint.span(bottom, R + s, R + k + s, shades.below);
        paint.span(bottom, R + k + s, R + 6 + s, shades.right);
    }
}

template <typename Pixel>
void solidFrame(const PixelRows& target, const Rect& rect, Pixel color) {
    const Rect bounds{0, 0, target.width, target.height};
    auto fill = [&](const Rect& band) {
        Rect area = band.intersected(bounds);
        for (int y = area.top; y < area.bottom; ++y) {
            Pixel* row = target.rowAs<Pixel>(y);
            std::fill(row + area.left, row + area.right, color);
        }
    };
    const int L = rect.left, T = rect.top, R = rect.right, B = rect.bottom;
    fill({L - 6, T - 6, R + 6, T});
    fill({L - 6, B, R + 6, B + 6});
    fill({L - 6, T, L, B});
    fill({R, T, R + 6, B});
}

}  // namespace

int sceneShare(int alphaStep) { return alphaStep <= 0 ? 0 : std::min(32, 2 << alphaStep); }

void blendWindow(const PixelRows& target, const WindowImage& image, const Rect& rect, int alphaStep) {
    if (!target || image.format() != target.format) return;
    Rect area = rect.intersected({0, 0, target.width, target.height})
                    .intersected({rect.left, rect.top, rect.left + image.width(), rect.top + image.height()});
    if (area.empty()) return;
    const uint32_t t = static_cast<uint32_t>(sceneShare(alphaStep));
    if (target.format == PixelFormat::Rgb565)
        blend565(target, image, area, rect, t);
    else
        blend8888(target, image, area, rect, t);
}

void drawBevelOutline(const PixelRows& target, const Rect& rect) {
    if (!target) return;
    if (target.format == PixelFormat::Rgb565)
        bevel<uint16_t>(target, rect, kShades565, -1);
    else
        bevel<uint32_t>(target, rect, kShades8888, 0);
}

void drawSimpleOutline(const PixelRows& target, const Rect& rect) {
    if (!target) return;
    if (target.format == PixelFormat::Rgb565)
        solidFrame<uint16_t>(target, rect, 0xE71C);
    else
        solidFrame<uint32_t>(target, rect, 0xE0E0E0);
}

}  // namespace morv
