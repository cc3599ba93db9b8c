// Pictures made in code and written as image files for the image tests.
#pragma once
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "display/image_source.h"
#include "image/decoded_image.h"

namespace morv::test {

// A 24-bit picture made in code; pixel(x, y) gives its 0x00RRGGBB colors.
template <typename ColorAt>
DecodedImage makeImage(int width, int height, ColorAt pixel) {
    DecodedImage image;
    image.width = width;
    image.height = height;
    image.pixels.assign(image.rowBytes() * static_cast<size_t>(height), 0);
    for (int y = 0; y < height; ++y) {
        uint8_t* row = image.pixels.data() + static_cast<size_t>(height - 1 - y) * image.rowBytes();
        for (int x = 0; x < width; ++x) {
            uint32_t c = pixel(x, y);
            row[3 * x] = static_cast<uint8_t>(c);
            row[3 * x + 1] = static_cast<uint8_t>(c >> 8);
            row[3 * x + 2] = static_cast<uint8_t>(c >> 16);
        }
    }
    return image;
}

inline DecodedImage solidImage(int width, int height, uint32_t color) {
    return makeImage(width, height, [color](int, int) { return color; });
}

// Images held in memory by name, with optional alpha planes.
class MemoryImageSource : public ImageSource {
public:
    using ImageSource::ImageSource;

    void add(const std::string& name, DecodedImage image, AlphaPlane alpha = {}) {
        images_[name] = {std::move(image), std::move(alpha)};
    }
    std::optional<DecodedImage> decode(std::string_view name, AlphaPlane* alpha) override {
        ++decodes;
        auto it = images_.find(std::string(name));
        if (it == images_.end()) return std::nullopt;
        if (alpha) *alpha = it->second.alpha;
        return it->second.image;
    }
    std::optional<ImageSize> size(std::string_view name) override {
        auto it = images_.find(std::string(name));
        if (it == images_.end()) return std::nullopt;
        return ImageSize{it->second.image.width, it->second.image.height};
    }

    int decodes = 0;

private:
    struct Entry {
        DecodedImage image;
        AlphaPlane alpha;
    };
    std::map<std::string, Entry> images_;
};

}  // namespace morv::test
