// Converting between the display's pixels and the 16-bit picture of a saved game.
#include "saves/save_picture.h"

#include <cstring>

namespace morv {

std::vector<uint16_t> savedPicture(const std::vector<uint8_t>& pixels, PixelFormat format) {
    std::vector<uint16_t> picture(pixels.size() / static_cast<size_t>(bytesPerPixel(format)));
    if (format == PixelFormat::Rgb565) {
        if (!picture.empty()) std::memcpy(picture.data(), pixels.data(), picture.size() * 2);
        return picture;
    }
    const uint8_t* in = pixels.data();
    for (uint16_t& out : picture) {
        uint32_t pixel;
        std::memcpy(&pixel, in, 4);
        in += 4;
        const uint32_t red = (pixel >> 16) & 0xFF, green = (pixel >> 8) & 0xFF, blue = pixel & 0xFF;
        out = static_cast<uint16_t>((red >> 3) << 11 | (green >> 2) << 5 | (blue >> 3));
    }
    return picture;
}

std::vector<uint8_t> displayPixels(const std::vector<uint16_t>& picture, PixelFormat format) {
    std::vector<uint8_t> pixels(picture.size() * static_cast<size_t>(bytesPerPixel(format)));
    if (format == PixelFormat::Rgb565) {
        if (!pixels.empty()) std::memcpy(pixels.data(), picture.data(), pixels.size());
        return pixels;
    }
    uint8_t* out = pixels.data();
    for (uint16_t p : picture) {
        const uint32_t pixel = ((p >> 11) << 3) << 16 | (((p >> 5) & 63) << 2) << 8 | (p & 31) << 3;
        std::memcpy(out, &pixel, 4);
        out += 4;
    }
    return pixels;
}

}  // namespace morv
