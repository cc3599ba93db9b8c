// Surfaces drawn through alpha planes and anti-aliasing masks.
#include <vector>

#include "display/image_source.h"
#include "display/surface.h"
#include "image/antialias_mask.h"
#include "image/mask_blend.h"

namespace morv {

namespace {

// The PNG's alpha plane at the source's size, or empty when it has none.
std::vector<uint8_t> pngAlphaMask(const Surface& source, std::string_view fileName, int percent) {
    ImageSource* images = source.imageSource();
    if (!images) return {};
    AlphaPlane plane;
    if (!images->decode(fileName, &plane) || plane.width <= 0 || plane.height <= 0) return {};
    return scaleAlphaPlane(plane, source.width(), source.height(), percent);
}

}  // namespace

int Surface::drawWithMask(int x, int y, const Surface& source, std::string_view fileName, const Rect* clip,
                          bool usePngAlpha, int percent) {
    if (!valid() || !source.valid()) return kNoStorage;
    if (source.format_ != format_ || percent <= 0) return kInvalidArgument;
    const Rect limit = clip ? clip->intersected(bounds()) : bounds();
    const Rect dest = Rect{x, y, x + source.width_, y + source.height_}.intersected(limit);
    if (dest.empty()) return kOk;

    std::vector<uint8_t> mask;
    if (usePngAlpha && source.fromPng_) mask = pngAlphaMask(source, fileName, percent);
    if (mask.empty()) {
        mask = format_ == PixelFormat::Rgb565
                   ? antialiasMask<uint16_t>(source.row(0), static_cast<size_t>(source.pitch_), source.width_,
                                             source.height_)
                   : antialiasMask<uint32_t>(source.row(0), static_cast<size_t>(source.pitch_), source.width_,
                                             source.height_);
    }

    markChanged(dest);
    const int bytes = bytesPerPixel(format_);
    const int sx = dest.left - x;
    const int sy = dest.top - y;
    blendWithMask(format_, row(dest.top) + dest.left * bytes, static_cast<size_t>(pitch_),
                  source.row(sy) + sx * bytes, static_cast<size_t>(source.pitch_),
                  mask.data() + static_cast<size_t>(sy) * source.width_ + sx, static_cast<size_t>(source.width_),
                  dest.width(), dest.height());
    return kOk;
}

}  // namespace morv
