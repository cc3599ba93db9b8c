// Off-screen surfaces: fills, blits, stretches and color keys.
#include "display/surface.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <optional>
#include <utility>
#include <vector>

#include "display/copy_row.h"
#include "display/image_source.h"
#include "display/nearest_pixel.h"
#include "display/pixel_color.h"
#include "image/decoded_image.h"
#include "image/image_decoders.h"

namespace morv {

namespace {

template <typename Pixel>
void fillRows(Surface& surface, const Rect& rect, Pixel value) {
    for (int y = rect.top; y < rect.bottom; ++y) {
        Pixel* p = reinterpret_cast<Pixel*>(surface.row(y)) + rect.left;
        for (int x = 0; x < rect.width(); ++x) p[x] = value;
    }
}

// colorMask selects the bits that a key compares (the spare byte of a 32-bit pixel is not color).
template <typename Pixel>
void blitRows(const Surface& source, const Rect& from, Surface& target, const Rect& to, bool keyed, uint32_t key,
              uint32_t colorMask) {
    const bool stretched = from.width() != to.width() || from.height() != to.height();
    if (!stretched && !keyed) {
        const size_t bytes = static_cast<size_t>(to.width()) * sizeof(Pixel);
        // Whole rows of surfaces with the same pitch lie one after another.
        if (&source != &target && source.pitch() == target.pitch() && to.left == 0 && from.left == 0 &&
            to.width() == target.width() && from.width() == source.width()) {
            copyRows(target.row(to.top), source.row(from.top), static_cast<size_t>(target.pitch()), bytes,
                     to.height());
            return;
        }
        for (int y = 0; y < to.height(); ++y) {
            uint8_t* out = target.row(to.top + y) + to.left * sizeof(Pixel);
            const uint8_t* in = source.row(from.top + y) + from.left * sizeof(Pixel);
            if (&source == &target) {
                std::memmove(out, in, bytes);
            } else {
                copyRow(out, in, bytes);
            }
        }
        return;
    }
    if (!stretched) {
        // Every pixel is written, keyed ones with what was there: a select the compiler
        // turns into whole-vector blends.
        for (int y = 0; y < to.height(); ++y) {
            const Pixel* in = reinterpret_cast<const Pixel*>(source.row(from.top + y)) + from.left;
            Pixel* out = reinterpret_cast<Pixel*>(target.row(to.top + y)) + to.left;
            for (int x = 0; x < to.width(); ++x) {
                const Pixel p = in[x];
                out[x] = (p & colorMask) == key ? out[x] : p;
            }
        }
        return;
    }
    const std::vector<int> columns = nearestColumns(from.left, from.width(), to.width());
    const std::vector<int> rows = nearestRows(from.top, from.height(), to.height());
    for (int y = 0; y < to.height(); ++y) {
        const Pixel* in = reinterpret_cast<const Pixel*>(source.row(rows[static_cast<size_t>(y)]));
        Pixel* out = reinterpret_cast<Pixel*>(target.row(to.top + y)) + to.left;
        for (int x = 0; x < to.width(); ++x) {
            Pixel p = in[columns[static_cast<size_t>(x)]];
            if (keyed && (p & colorMask) == key) continue;
            out[x] = p;
        }
    }
}

// Blue, green, red bytes of a decoded image into surface pixels.
template <typename Pixel>
void stretchImageRows(const DecodedImage& image, Surface& target) {
    const std::vector<int> columns = nearestColumns(0, image.width, target.width());
    const std::vector<int> rows = nearestRows(0, image.height, target.height());
    for (int y = 0; y < target.height(); ++y) {
        const uint8_t* in = image.rowFromTop(rows[static_cast<size_t>(y)]);
        Pixel* out = reinterpret_cast<Pixel*>(target.row(y));
        for (int x = 0; x < target.width(); ++x) {
            const uint8_t* bgr = in + 3 * columns[static_cast<size_t>(x)];
            if constexpr (sizeof(Pixel) == 2) {
                out[x] = static_cast<Pixel>((bgr[2] >> 3) << 11 | (bgr[1] >> 2) << 5 | (bgr[0] >> 3));
            } else {
                out[x] = static_cast<Pixel>(bgr[2] << 16 | bgr[1] << 8 | bgr[0]);
            }
        }
    }
}

// Larger pictures than this are refused rather than allocated.
constexpr int64_t kMaxBytes = int64_t{1} << 30;

// Pixels start on a cache line, so that the vector loops' loads and stores of
// whole rows never straddle two lines (a 1280x720x32 FADE frame measured about an
// eighth faster than with the allocator's 16-byte alignment).
constexpr std::align_val_t kPixelAlignment{64};

}  // namespace

Surface::Surface(PixelFormat format, ImageSource* source) : format_(format), source_(source) {}

Surface::~Surface() = default;

void Surface::CacheLineDelete::operator()(uint8_t* pixels) const { ::operator delete[](pixels, kPixelAlignment); }

int Surface::create(int width, int height) {
    if (width <= 0 || height <= 0) return kInvalidArgument;
    // Rows start on 4-byte boundaries so that they can be read as whole words.
    const int64_t pitch = (static_cast<int64_t>(width) * bytesPerPixel(format_) + 3) / 4 * 4;
    if (pitch * height > kMaxBytes) return kNoStorage;
    const auto bytes = static_cast<size_t>(pitch * height);
    pixels_.reset(static_cast<uint8_t*>(::operator new[](bytes, kPixelAlignment, std::nothrow)));
    if (!pixels_) return kNoStorage;
    std::memset(pixels_.get(), 0, bytes);
    width_ = width;
    height_ = height;
    pitch_ = static_cast<int>(pitch);
    markAllChanged();
    return kOk;
}

int Surface::decodeInto(std::string_view name, DecodedImage& image, OnFailure onFailure) {
    if (!source_) return kUnreadableImage;
    std::optional<DecodedImage> decoded = source_->decode(name, nullptr);
    if (!decoded || decoded->width <= 0 || decoded->height <= 0) {
        if (onFailure == OnFailure::Report) source_->reportUnreadable(name);
        return kUnreadableImage;
    }
    image = std::move(*decoded);
    return kOk;
}

int Surface::createFromImage(std::string_view name, int percent, OnFailure onFailure) {
    if (percent <= 0) return kInvalidArgument;
    DecodedImage image;
    if (int status = decodeInto(name, image, onFailure); status < 0) return status;
    auto scaled = [percent](int size) {
        return static_cast<int>(std::min<int64_t>(static_cast<int64_t>(size) * percent / 100, INT32_MAX));
    };
    const int width = scaled(image.width);
    const int height = scaled(image.height);
    if (int status = create(width, height); status < 0) return status;
    stretchImage(image);
    fromPng_ = isPngName(name);
    return kOk;
}

int Surface::createFromImageAtSize(std::string_view name, int width, int height) {
    if (width <= 0 || height <= 0) return kInvalidArgument;
    DecodedImage image;
    if (int status = decodeInto(name, image, OnFailure::Report); status < 0) return status;
    if (int status = create(width, height); status < 0) return status;
    stretchImage(image);
    fromPng_ = isPngName(name);
    return kOk;
}

int Surface::loadImage(std::string_view name) {
    if (!valid()) return kNoStorage;
    DecodedImage image;
    if (int status = decodeInto(name, image, OnFailure::Report); status < 0) return status;
    stretchImage(image);
    fromPng_ = isPngName(name);
    return kOk;
}

void Surface::stretchImage(const DecodedImage& image) {
    markAllChanged();
    if (format_ == PixelFormat::Rgb565) {
        stretchImageRows<uint16_t>(image, *this);
    } else {
        stretchImageRows<uint32_t>(image, *this);
    }
}

int Surface::fill(uint32_t screenColor) { return fillRect(bounds(), screenColor); }

int Surface::fillRect(const Rect& rect, uint32_t screenColor) {
    if (!valid()) return kNoStorage;
    if (!rect.insideOf(width_, height_)) return kInvalidArgument;
    if (format_ == PixelFormat::Rgb565) {
        fillRows<uint16_t>(*this, rect, screenColorTo565(screenColor));
    } else {
        fillRows<uint32_t>(*this, rect, screenColor & 0xFFFFFF);
    }
    markChanged(rect);
    return kOk;
}

int Surface::setColorKey(int64_t value) {
    if (!valid()) return kNoStorage;
    uint32_t raw;
    if (value == kOwnTopLeftKey) {
        raw = format_ == PixelFormat::Rgb565 ? *reinterpret_cast<const uint16_t*>(row(0))
                                             : *reinterpret_cast<const uint32_t*>(row(0));
    } else {
        raw = configColorToPixel(static_cast<ConfigColor>(value), format_);
    }
    colorKey_ = colorBits(raw, format_);
    hasColorKey_ = true;
    return kOk;
}

void Surface::blit(const Surface& source, const Rect& sourceRect, const Rect& destRect, bool keyed) {
    keyed = keyed && source.hasColorKey_;
    markChanged(destRect);
    if (format_ == PixelFormat::Rgb565) {
        blitRows<uint16_t>(source, sourceRect, *this, destRect, keyed, source.colorKey_, 0xFFFF);
    } else {
        blitRows<uint32_t>(source, sourceRect, *this, destRect, keyed, source.colorKey_, 0xFFFFFF);
    }
}

int Surface::copyRect(const Surface& source, const Rect& sourceRect, const Rect& destRect, bool keyed) {
    if (!valid() || !source.valid()) return kNoStorage;
    if (source.format_ != format_) return kInvalidArgument;
    if (!sourceRect.insideOf(source.width_, source.height_) || !destRect.insideOf(width_, height_)) {
        return kInvalidArgument;
    }
    blit(source, sourceRect, destRect, keyed);
    return kOk;
}

int Surface::copy(const Surface& source, bool keyed) {
    return copyRect(source, source.bounds(), source.bounds(), keyed);
}

int Surface::drawAt(int x, int y, const Surface& source) { return drawAtClipped(x, y, source, bounds()); }

int Surface::drawAtClipped(int x, int y, const Surface& source, const Rect& clip) {
    if (!valid() || !source.valid()) return kNoStorage;
    if (source.format_ != format_) return kInvalidArgument;
    // A clip rectangle reaching past this surface is cut to it.
    const Rect limit = clip.intersected(bounds());
    const Rect placed{x, y, x + source.width_, y + source.height_};
    const Rect dest = placed.intersected(limit);
    if (dest.empty()) return kOk;
    const Rect from{dest.left - x, dest.top - y, dest.right - x, dest.bottom - y};
    blit(source, from, dest, true);
    return kOk;
}

int Surface::stretchInto(const Rect& rect, const Surface& source) {
    return copyRect(source, source.bounds(), rect, true);
}

PixelRows Surface::lock() {
    if (!valid()) return {};
    markAllChanged();
    return {pixels_.get(), pitch_, width_, height_, format_};
}

void Surface::markChanged(const Rect& rect) { changed_ = changed_.united(rect.intersected(bounds())); }

Rect Surface::takeChanged() { return std::exchange(changed_, Rect{}); }

}  // namespace morv
