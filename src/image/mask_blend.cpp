// Resampling alpha planes and blending pictures through them.
#include "image/mask_blend.h"

#include <algorithm>
#include <cstring>

namespace morv {
namespace {

inline uint32_t mix(uint32_t source, uint32_t target, uint32_t a) {
    return (source * a >> 8) + (target * (255 - a) >> 8);
}

struct Rgb565Blend {
    using Pixel = uint16_t;
    static Pixel blend(Pixel s, Pixel t, uint32_t a) {
        const uint32_t red = mix(s >> 11, t >> 11, a);
        const uint32_t green = mix(s >> 5 & 0x3F, t >> 5 & 0x3F, a);
        const uint32_t blue = mix(s & 0x1F, t & 0x1F, a);
        return static_cast<Pixel>(red << 11 | green << 5 | blue);
    }
};

struct Xrgb8888Blend {
    using Pixel = uint32_t;
    static Pixel blend(Pixel s, Pixel t, uint32_t a) {
        const uint32_t red = mix(s >> 16 & 0xFF, t >> 16 & 0xFF, a);
        const uint32_t green = mix(s >> 8 & 0xFF, t >> 8 & 0xFF, a);
        const uint32_t blue = mix(s & 0xFF, t & 0xFF, a);
        return red << 16 | green << 8 | blue;
    }
};

template <typename Format>
void blendRows(uint8_t* target, size_t targetPitch, const uint8_t* source, size_t sourcePitch, const uint8_t* mask,
               size_t maskPitch, int width, int height) {
    using Pixel = typename Format::Pixel;
    for (int y = 0; y < height; ++y) {
        uint8_t* out = target + targetPitch * y;
        const uint8_t* in = source + sourcePitch * y;
        const uint8_t* opacity = mask + maskPitch * y;
        for (int x = 0; x < width; ++x, out += sizeof(Pixel), in += sizeof(Pixel)) {
            const uint32_t a = opacity[x];
            if (a == 0) continue;
            if (a == 255) {
                std::memcpy(out, in, sizeof(Pixel));
                continue;
            }
            Pixel s, t;
            std::memcpy(&s, in, sizeof s);
            std::memcpy(&t, out, sizeof t);
            const Pixel blended = Format::blend(s, t, a);
            std::memcpy(out, &blended, sizeof blended);
        }
    }
}

}  // namespace

std::vector<uint8_t> scaleAlphaPlane(const AlphaPlane& plane, int width, int height, int percent) {
    if (plane.width <= 0 || plane.height <= 0 || width <= 0 || height <= 0) return {};
    // A percent below 1 cannot have produced a picture; it reads the plane unscaled.
    if (percent <= 0) percent = 100;
    std::vector<uint8_t> mask(static_cast<size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        const int planeY = std::min<long long>(static_cast<long long>(y) * 100 / percent, plane.height - 1);
        const uint8_t* in = plane.values.data() + static_cast<size_t>(planeY) * plane.width;
        uint8_t* out = mask.data() + static_cast<size_t>(y) * width;
        for (int x = 0; x < width; ++x) {
            out[x] = in[std::min<long long>(static_cast<long long>(x) * 100 / percent, plane.width - 1)];
        }
    }
    return mask;
}

void blendWithMask(PixelFormat format, uint8_t* target, size_t targetPitch, const uint8_t* source,
                   size_t sourcePitch, const uint8_t* mask, size_t maskPitch, int width, int height) {
    if (format == PixelFormat::Rgb565) {
        blendRows<Rgb565Blend>(target, targetPitch, source, sourcePitch, mask, maskPitch, width, height);
    } else {
        blendRows<Xrgb8888Blend>(target, targetPitch, source, sourcePitch, mask, maskPitch, width, height);
    }
}

}  // namespace morv
