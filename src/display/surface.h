// An off-screen pixel buffer of fixed size and format.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "display/rect.h"
#include "platform/pixel_format.h"

namespace morv {

struct DecodedImage;
class ImageSource;

// Direct access to a surface's pixel rows while it is locked.
struct PixelRows {
    uint8_t* pixels = nullptr;
    int pitch = 0;  // bytes from one row to the next
    int width = 0;
    int height = 0;
    PixelFormat format = PixelFormat::Xrgb8888;

    explicit operator bool() const { return pixels != nullptr; }
    uint8_t* row(int y) const { return pixels + static_cast<ptrdiff_t>(y) * pitch; }
    template <typename Pixel>
    Pixel* rowAs(int y) const {
        return reinterpret_cast<Pixel*>(row(y));
    }
};

// One off-screen picture of fixed size in the display's pixel format. Operations
// return 0 or a negative status, which callers pass up unchanged.
class Surface {
public:
    static constexpr int kOk = 0;
    static constexpr int kUnreadableImage = -1;
    static constexpr int kNoStorage = -2;
    static constexpr int kInvalidArgument = -3;
    // The color-key value that keys a surface by its own top-left pixel.
    static constexpr int64_t kOwnTopLeftKey = -1;

    Surface(PixelFormat format, ImageSource* source);
    ~Surface();
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    // Whether an image that cannot be read is reported to the player.
    enum class OnFailure { Report, Quiet };

    // Storage of width x height pixels (all zero); replaces any earlier storage.
    int create(int width, int height);
    // Creates the surface at the image's size x percent / 100 and loads the image.
    int createFromImage(std::string_view name, int percent, OnFailure onFailure = OnFailure::Report);
    int createFromImageAtSize(std::string_view name, int width, int height);
    // Replaces the pixels with the image, stretched to the whole surface by the
    // nearest pixel. An image that cannot be read is reported by name.
    int loadImage(std::string_view name);

    // Every pixel set to the screen color (0x00RRGGBB).
    int fill(uint32_t screenColor);
    // The rectangle set to the screen color; nothing when it is not wholly inside.
    int fillRect(const Rect& rect, uint32_t screenColor);
    // kOwnTopLeftKey keys by the surface's own top-left pixel; any other value is a
    // configuration color (red in bits 0-7).
    int setColorKey(int64_t value);

    // The whole source at (0, 0), unclipped: nothing when it does not fit.
    int copy(const Surface& source, bool keyed);
    // The whole source with its top-left corner at (x, y), clipped to this surface;
    // keyed when the source has a color key.
    int drawAt(int x, int y, const Surface& source);
    // As drawAt, clipped to `clip` as well.
    int drawAtClipped(int x, int y, const Surface& source, const Rect& clip);
    // The whole source stretched into the rectangle, keyed when the source has a key.
    int stretchInto(const Rect& rect, const Surface& source);
    // The source rectangle into the destination rectangle: a plain copy when both have
    // the same size, else stretched by the nearest pixel. Does nothing (invalid
    // argument) when either rectangle is not wholly inside its surface.
    int copyRect(const Surface& source, const Rect& sourceRect, const Rect& destRect, bool keyed);

    // The whole source at (x, y) through an opacity mask: the alpha plane of the
    // source's PNG file `fileName` when usePngAlpha is set and the source came from a
    // PNG that has one (resampled for a source drawn at `percent` %), else the
    // anti-aliasing mask of the source's top-left color. Clipped to this surface and
    // to `clip` when given.
    int drawWithMask(int x, int y, const Surface& source, std::string_view fileName, const Rect* clip,
                     bool usePngAlpha, int percent);

    // Raw rows for direct pixel work; empty when the surface has no storage. The
    // whole surface counts as changed, since raw rows may be written anywhere.
    PixelRows lock();
    // Surfaces live in system memory and never move, so there is nothing to release.
    void unlock() {}

    bool valid() const { return pixels_ != nullptr; }
    int width() const { return width_; }
    int height() const { return height_; }
    int pitch() const { return pitch_; }
    PixelFormat format() const { return format_; }
    bool hasColorKey() const { return hasColorKey_; }
    // The key's color bits (16 bits, or the low 24 bits of a 32-bit pixel).
    uint32_t colorKey() const { return colorKey_; }
    bool fromPng() const { return fromPng_; }
    ImageSource* imageSource() const { return source_; }
    void setImageSource(ImageSource* source) { source_ = source; }
    Rect bounds() const { return {0, 0, width_, height_}; }

    const uint8_t* row(int y) const { return pixels_.get() + static_cast<ptrdiff_t>(y) * pitch_; }
    // Writing through row() is not tracked: the writer marks what it changed.
    uint8_t* row(int y) { return pixels_.get() + static_cast<ptrdiff_t>(y) * pitch_; }

    // The part changed since the last takeChanged(): every operation above that
    // draws adds the rectangle it drew into.
    const Rect& changed() const { return changed_; }
    // Adds a rectangle (cut to the surface) to the changed part.
    void markChanged(const Rect& rect);
    void markAllChanged() { changed_ = bounds(); }
    // The changed part, which is empty afterwards.
    Rect takeChanged();

private:
    int decodeInto(std::string_view name, DecodedImage& image, OnFailure onFailure);
    void stretchImage(const DecodedImage& image);
    // Copies source rows between two rectangles that are known to lie inside.
    void blit(const Surface& source, const Rect& sourceRect, const Rect& destRect, bool keyed);

    // Frees pixel storage that starts on a cache line.
    struct CacheLineDelete {
        void operator()(uint8_t* pixels) const;
    };

    PixelFormat format_;
    ImageSource* source_;
    std::unique_ptr<uint8_t[], CacheLineDelete> pixels_;
    int width_ = 0;
    int height_ = 0;
    int pitch_ = 0;
    bool hasColorKey_ = false;
    uint32_t colorKey_ = 0;
    bool fromPng_ = false;
    Rect changed_;
};

}  // namespace morv
