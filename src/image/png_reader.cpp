// Decoding PNG files with libpng, with or without their alpha plane.
#include <png.h>

#include <cstdint>
#include <cstring>

#include "image/image_decoders.h"
#include "image/image_limits.h"

namespace morv {
namespace {

constexpr size_t kSignatureSize = 8;
constexpr uint64_t kMaxInflateRatio = 1032;

struct MemoryInput {
    const unsigned char* data;
    size_t size;
    size_t position;
};

// Everything the decoding keeps across libpng calls. It lives in the caller's
// frame so that a long jump out of libpng never skips a destructor and never
// leaves a value of the jumping function indeterminate.
struct PngDecoding {
    MemoryInput input{};
    bool keepAlpha = false;
    int width = 0;
    int height = 0;
    bool paletted = false;
    bool alphaKept = false;
    std::vector<uint8_t> rows;         // the array libpng reads into
    std::vector<png_bytep> rowPointers;
    std::vector<uint8_t> indices;      // paletted images: the packed indices
    std::vector<png_color> palette;
    int indexBits = 0;
};

void readFromMemory(png_structp png, png_bytep out, size_t length) {
    auto* input = static_cast<MemoryInput*>(png_get_io_ptr(png));
    if (length > input->size - input->position) png_error(png, "truncated");
    std::memcpy(out, input->data + input->position, length);
    input->position += length;
}

// libpng's own handlers print to stderr; failures are reported by the result instead.
void failQuietly(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void ignoreWarning(png_structp, png_const_charp) {}

// Sets the reading up and reads the rows. Locals here are plain values only: a
// libpng error jumps back to the setjmp below.
bool decodeRows(png_structp png, png_infop info, png_infop endInfo, PngDecoding* d) {
    if (setjmp(png_jmpbuf(png))) return false;

    png_set_user_limits(png, kMaxImageSide, kMaxImageSide);
    png_set_read_fn(png, &d->input, readFromMemory);
    png_set_sig_bytes(png, kSignatureSize);
    png_read_info(png, info);

    png_uint_32 width = 0;
    png_uint_32 height = 0;
    int bitDepth = 0;
    int colorType = 0;
    png_get_IHDR(png, info, &width, &height, &bitDepth, &colorType, nullptr, nullptr, nullptr);
    if (!isAcceptableImageSize(width, height)) return false;
    // zlib packs at most 1032 bytes into one: rows that the file's compressed data
    // could never hold are refused before anything is allocated for them.
    const uint64_t storedRowBytes =
        (static_cast<uint64_t>(width) * png_get_channels(png, info) * static_cast<unsigned>(bitDepth) + 7) / 8 + 1;
    if (storedRowBytes * height > static_cast<uint64_t>(d->input.size) * kMaxInflateRatio + 1024) return false;
    d->width = static_cast<int>(width);
    d->height = static_cast<int>(height);

    if (bitDepth == 16) png_set_strip_16(png);
    if (colorType == PNG_COLOR_TYPE_GRAY || colorType == PNG_COLOR_TYPE_GRAY_ALPHA) {
        if (bitDepth < 8) png_set_expand_gray_1_2_4_to_8(png);
        png_set_gray_to_rgb(png);
    }
    d->paletted = colorType == PNG_COLOR_TYPE_PALETTE;
    if (d->paletted) {
        // Two-bit indices are not supported.
        if (bitDepth != 1 && bitDepth != 4 && bitDepth != 8) return false;
        png_colorp entries = nullptr;
        int count = 0;
        if (png_get_PLTE(png, info, &entries, &count) != PNG_INFO_PLTE || count <= 0) return false;
        d->palette.assign(entries, entries + count);
        d->indexBits = bitDepth;
    }
    if (colorType & PNG_COLOR_MASK_ALPHA) {
        if (d->keepAlpha) {
            d->alphaKept = true;
        } else {
            png_set_strip_alpha(png);
        }
    }
    if (!d->paletted) png_set_bgr(png);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);

    const size_t pixelBits = d->alphaKept ? 32 : 24;
    const size_t rowBytes = (static_cast<size_t>(width) * pixelBits + 31) / 32 * 4;
    const size_t readRowBytes =
        d->paletted ? (static_cast<size_t>(width) * bitDepth + 7) / 8 : static_cast<size_t>(width) * pixelBits / 8;
    // The transformations must yield exactly the row that the buffers are sized for.
    if (png_get_rowbytes(png, info) != readRowBytes) return false;

    d->rows.assign(rowBytes * height, 0);
    d->rowPointers.resize(height);
    if (d->paletted) {
        d->indices.assign(readRowBytes * height, 0);
        for (png_uint_32 y = 0; y < height; ++y) d->rowPointers[y] = d->indices.data() + readRowBytes * y;
    } else {
        // The top image row lands in the last array row.
        for (png_uint_32 y = 0; y < height; ++y) d->rowPointers[y] = d->rows.data() + rowBytes * (height - 1 - y);
    }
    png_read_image(png, d->rowPointers.data());
    png_read_end(png, endInfo);
    return true;
}

// Expands packed palette indices, top row first, into the bottom-up 24-bit array.
// An index past the end of the palette gives black.
void expandPalette(PngDecoding& d) {
    const size_t indexRowBytes = (static_cast<size_t>(d.width) * d.indexBits + 7) / 8;
    const size_t rowBytes = DecodedImage::rowBytesFor(d.width);
    const int perByte = 8 / d.indexBits;
    const unsigned mask = (1u << d.indexBits) - 1;
    for (int y = 0; y < d.height; ++y) {
        const uint8_t* in = d.indices.data() + indexRowBytes * y;
        uint8_t* out = d.rows.data() + rowBytes * (d.height - 1 - y);
        for (int x = 0; x < d.width; ++x) {
            const int shift = 8 - d.indexBits * (x % perByte + 1);
            const unsigned index = (in[x / perByte] >> shift) & mask;
            if (index < d.palette.size()) {
                out[0] = d.palette[index].blue;
                out[1] = d.palette[index].green;
                out[2] = d.palette[index].red;
            }
            out += 3;
        }
    }
}

// Splits a bottom-up 32-bit BGRA array into the 24-bit array and a top-down alpha plane.
DecodedImage splitAlpha(const PngDecoding& d, AlphaPlane& alpha) {
    DecodedImage image;
    image.width = d.width;
    image.height = d.height;
    const size_t rowBytes = image.rowBytes();
    image.pixels.assign(rowBytes * d.height, 0);
    alpha.width = d.width;
    alpha.height = d.height;
    alpha.values.assign(static_cast<size_t>(d.width) * d.height, 0);
    const size_t sourceRowBytes = static_cast<size_t>(d.width) * 4;
    for (int row = 0; row < d.height; ++row) {
        const uint8_t* in = d.rows.data() + sourceRowBytes * row;
        uint8_t* out = image.pixels.data() + rowBytes * row;
        uint8_t* opacity = alpha.values.data() + static_cast<size_t>(d.width) * (d.height - 1 - row);
        for (int x = 0; x < d.width; ++x, in += 4, out += 3) {
            out[0] = in[0];
            out[1] = in[1];
            out[2] = in[2];
            opacity[x] = in[3];
        }
    }
    return image;
}

}  // namespace

std::optional<DecodedImage> readPng(std::string_view bytes, AlphaPlane* alpha, std::string& error) {
    if (alpha) *alpha = AlphaPlane{};
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    if (bytes.size() < kSignatureSize || png_sig_cmp(data, 0, kSignatureSize) != 0) {
        error = "Not a PNG";
        return std::nullopt;
    }
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, failQuietly, ignoreWarning);
    if (!png) {
        error = "Cannot create png_read_struct";
        return std::nullopt;
    }
    png_infop info = png_create_info_struct(png);
    png_infop endInfo = info ? png_create_info_struct(png) : nullptr;

    PngDecoding decoding;
    decoding.input = MemoryInput{data, bytes.size(), kSignatureSize};
    decoding.keepAlpha = alpha != nullptr;
    const bool decoded = info && endInfo && decodeRows(png, info, endInfo, &decoding);
    png_destroy_read_struct(&png, info ? &info : nullptr, endInfo ? &endInfo : nullptr);
    if (!decoded) {
        error = "error";
        return std::nullopt;
    }

    if (decoding.paletted) expandPalette(decoding);
    if (decoding.alphaKept) return splitAlpha(decoding, *alpha);
    DecodedImage image;
    image.width = decoding.width;
    image.height = decoding.height;
    image.pixels = std::move(decoding.rows);
    return image;
}

}  // namespace morv
