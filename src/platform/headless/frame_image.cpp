// Writing presented frames as PNG snapshots.
#include "platform/headless/frame_image.h"

#include <png.h>

#include <cstdio>
#include <memory>

namespace morv {

FrameImage FrameImage::filled(int width, int height, uint8_t r, uint8_t g, uint8_t b) {
    FrameImage frame;
    frame.width = width;
    frame.height = height;
    frame.rgb.resize(static_cast<size_t>(width) * height * 3);
    for (size_t i = 0; i < frame.rgb.size(); i += 3) {
        frame.rgb[i] = r;
        frame.rgb[i + 1] = g;
        frame.rgb[i + 2] = b;
    }
    return frame;
}

void toRgb(const FrameCopy& pixels, FrameImage& out) {
    out.width = pixels.width;
    out.height = pixels.height;
    const size_t count = static_cast<size_t>(pixels.width) * static_cast<size_t>(pixels.height);
    out.rgb.resize(count * 3);
    uint8_t* rgb = out.rgb.data();
    if (pixels.format == PixelFormat::Rgb565) {
        const auto* p = reinterpret_cast<const uint16_t*>(pixels.pixels.data());
        for (size_t i = 0; i < count; ++i, rgb += 3) {
            rgb[0] = static_cast<uint8_t>((p[i] >> 11) << 3);
            rgb[1] = static_cast<uint8_t>(((p[i] >> 5) & 0x3F) << 2);
            rgb[2] = static_cast<uint8_t>((p[i] & 0x1F) << 3);
        }
    } else {
        const auto* p = reinterpret_cast<const uint32_t*>(pixels.pixels.data());
        for (size_t i = 0; i < count; ++i, rgb += 3) {
            rgb[0] = static_cast<uint8_t>(p[i] >> 16);
            rgb[1] = static_cast<uint8_t>(p[i] >> 8);
            rgb[2] = static_cast<uint8_t>(p[i]);
        }
    }
}

bool writePng(const FrameImage& frame, const std::string& path) {
    if (frame.width <= 0 || frame.height <= 0) return false;
    std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "wb"), &std::fclose);
    if (!file) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!png) return false;
    png_infop info = png_create_info_struct(png);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, info ? &info : nullptr);
        return false;
    }
    png_init_io(png, file.get());
    png_set_IHDR(png, info, frame.width, frame.height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    // Snapshots are written often and compared by their pixels: unfiltered rows at the
    // fastest deflate level cost a quarter of the default's time for files about 40 %
    // larger (screens are mostly flat areas and text).
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
    png_set_compression_level(png, 1);
    png_write_info(png, info);
    for (int y = 0; y < frame.height; ++y) {
        png_write_row(png, frame.rgb.data() + static_cast<size_t>(y) * frame.width * 3);
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    // The last bytes reach the file only when it is closed: a full disk shows there.
    return std::fclose(file.release()) == 0;
}

}  // namespace morv
