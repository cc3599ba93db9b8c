// Writing PNG and BMP files for tests.
#include "support/image_files.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

namespace morv::testing {
namespace {

void appendToString(png_structp png, png_bytep data, size_t length) {
    static_cast<std::string*>(png_get_io_ptr(png))->append(reinterpret_cast<const char*>(data), length);
}
void noFlush(png_structp) {}

// Only plain values live here: a libpng error jumps back to the setjmp.
bool writeRows(png_structp png, png_infop info, const PngPicture* picture, std::string* out, png_bytep* rowPointers) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_write_fn(png, out, appendToString, noFlush);
    // Tests write palette indices past the palette on purpose.
    png_set_check_for_invalid_index(png, 0);
    png_set_IHDR(png, info, picture->width, picture->height, picture->bitDepth, picture->colorType,
                 picture->interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    if (!picture->palette.empty()) {
        png_set_PLTE(png, info, picture->palette.data(), static_cast<int>(picture->palette.size()));
    }
    png_write_info(png, info);
    png_write_image(png, rowPointers);
    png_write_end(png, nullptr);
    return true;
}

}  // namespace

std::string writePng(const PngPicture& picture) {
    std::string out;
    std::vector<std::vector<uint8_t>> rows = picture.rows;
    std::vector<png_bytep> rowPointers;
    for (auto& row : rows) rowPointers.push_back(row.data());
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    const bool written = writeRows(png, info, &picture, &out, rowPointers.data());
    png_destroy_write_struct(&png, &info);
    if (!written) throw std::runtime_error("libpng could not write the test picture");
    return out;
}

Bgr pixelAt(const DecodedImage& image, int x, int y) {
    const uint8_t* p = image.rowFromTop(y) + 3 * x;
    return Bgr{p[0], p[1], p[2]};
}

std::vector<Bgr> allPixels(const DecodedImage& image) {
    std::vector<Bgr> pixels;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) pixels.push_back(pixelAt(image, x, y));
    }
    return pixels;
}

void putU16(std::string& out, uint32_t value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>(value >> 8 & 0xFF);
}

void putU32(std::string& out, uint32_t value) {
    putU16(out, value & 0xFFFF);
    putU16(out, value >> 16);
}

int pixelsDifferingBeyond(const DecodedImage& expected, const DecodedImage& actual, int tolerance) {
    int differing = 0;
    for (int y = 0; y < expected.height; ++y) {
        for (int x = 0; x < expected.width; ++x) {
            Bgr e = pixelAt(expected, x, y);
            Bgr a = pixelAt(actual, x, y);
            int d = std::max({std::abs(e.red - a.red), std::abs(e.green - a.green), std::abs(e.blue - a.blue)});
            if (d > tolerance) ++differing;
        }
    }
    return differing;
}

}  // namespace morv::testing
