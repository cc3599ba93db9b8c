// Bitmaps of a Flash file: lossless (zlib) and JPEG, with an optional alpha plane.
#include "flash/swf_bitmap.h"

// jpeglib.h needs size_t and FILE declared before it.
#include <csetjmp>
#include <cstddef>
#include <cstdio>
#include <jpeglib.h>

#include <algorithm>
#include <memory>
#include <string>

#include "flash/swf_file.h"
#include "flash/swf_limits.h"
#include "flash/swf_reader.h"

namespace morv::swf {

namespace {

uint32_t premultiplied(uint32_t a, uint32_t r, uint32_t g, uint32_t b) {
    // Stored premultiplied values may exceed their alpha in damaged files; clamp them.
    return a << 24 | std::min(r, a) << 16 | std::min(g, a) << 8 | std::min(b, a);
}

uint32_t scaledByAlpha(uint32_t rgb, uint32_t a) {
    const uint32_t r = (rgb >> 16 & 0xff) * a / 255, g = (rgb >> 8 & 0xff) * a / 255, b = (rgb & 0xff) * a / 255;
    return a << 24 | r << 16 | g << 8 | b;
}

// libjpeg reports fatal errors through error_exit, which must not return.
struct JpegErrors {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

void jumpOnError(j_common_ptr info) { std::longjmp(reinterpret_cast<JpegErrors*>(info->err)->jump, 1); }
void ignoreMessage(j_common_ptr) {}

// Decodes into `out`, which lives outside this function so that a jump back from
// libjpeg leaves it in a known state; only plain data lives between setjmp and longjmp.
bool decodeJpegInto(const std::string& data, Bitmap& out) {
    jpeg_decompress_struct info{};
    JpegErrors errors{};
    info.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = jumpOnError;
    errors.manager.output_message = ignoreMessage;
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(data.data()), static_cast<unsigned long>(data.size()));
    jpeg_read_header(&info, TRUE);
    if (!isAcceptableBitmapSize(info.image_width, info.image_height)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    out.width = static_cast<int>(info.output_width);
    out.height = static_cast<int>(info.output_height);
    out.pixels.assign(static_cast<size_t>(out.width) * out.height, 0xff000000u);
    JSAMPARRAY row = (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                               info.output_width * 3, 1);
    while (info.output_scanline < info.output_height) {
        const int y = static_cast<int>(info.output_scanline);
        if (jpeg_read_scanlines(&info, row, 1) != 1) break;
        uint32_t* target = out.pixels.data() + static_cast<size_t>(y) * out.width;
        for (int x = 0; x < out.width; ++x)
            target[x] = 0xff000000u | uint32_t{row[0][3 * x]} << 16 | uint32_t{row[0][3 * x + 1]} << 8 | row[0][3 * x + 2];
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

// Flash files may begin a JPEG with an empty picture (FF D9 FF D8) before the real one.
std::string_view withoutBogusStart(std::string_view jpeg) {
    if (jpeg.substr(0, 4) == std::string_view("\xff\xd9\xff\xd8", 4)) return jpeg.substr(4);
    return jpeg;
}

}  // namespace

bool isAcceptableBitmapSize(long long width, long long height) {
    return width > 0 && height > 0 && width <= kMaxBitmapSide && height <= kMaxBitmapSide &&
           width * height <= kMaxBitmapPixels;
}

std::optional<Bitmap> decodeJpeg(std::string_view jpeg, std::string_view tables, std::string_view alpha) {
    jpeg = withoutBogusStart(jpeg);
    tables = withoutBogusStart(tables);
    std::string data;
    const bool hasOwnTables = jpeg.find(std::string_view("\xff\xdb", 2)) != std::string_view::npos;
    if (!hasOwnTables && tables.size() >= 4) {
        // The tables' end marker and the picture's start marker are dropped so that
        // both read as one stream.
        data.assign(tables.substr(0, tables.size() - 2));
        data.append(jpeg.substr(std::min<size_t>(2, jpeg.size())));
    } else {
        data.assign(jpeg);
    }
    Bitmap bitmap;
    if (!decodeJpegInto(data, bitmap)) return std::nullopt;
    if (!alpha.empty()) {
        // A damaged alpha plane leaves the picture opaque.
        if (auto plane = inflateExactly(alpha, bitmap.pixels.size())) {
            for (size_t i = 0; i < bitmap.pixels.size(); ++i)
                bitmap.pixels[i] = scaledByAlpha(bitmap.pixels[i], static_cast<uint8_t>((*plane)[i]));
        }
    }
    return bitmap;
}

std::optional<Bitmap> decodeLossless(std::string_view body, int version) {
    try {
        Reader reader(body);
        const int format = reader.u8();
        Bitmap bitmap;
        bitmap.width = reader.u16();
        bitmap.height = reader.u16();
        if (!isAcceptableBitmapSize(bitmap.width, bitmap.height)) return std::nullopt;
        const size_t pixelCount = static_cast<size_t>(bitmap.width) * bitmap.height;
        const bool withAlpha = version == 2;
        if (format == 3) {
            const int colors = reader.u8() + 1;
            const int entrySize = withAlpha ? 4 : 3;
            const size_t rowBytes = (static_cast<size_t>(bitmap.width) + 3) & ~size_t{3};
            auto data = inflateExactly(reader.bytes(reader.remaining()),
                                       colors * entrySize + rowBytes * bitmap.height);
            if (!data) return std::nullopt;
            std::vector<uint32_t> table(256, 0);
            for (int i = 0; i < colors; ++i) {
                const auto* e = reinterpret_cast<const uint8_t*>(data->data()) + i * entrySize;
                table[i] = withAlpha ? premultiplied(e[3], e[0], e[1], e[2]) : premultiplied(255, e[0], e[1], e[2]);
            }
            const auto* indices = reinterpret_cast<const uint8_t*>(data->data()) + colors * entrySize;
            bitmap.pixels.resize(pixelCount);
            for (int y = 0; y < bitmap.height; ++y)
                for (int x = 0; x < bitmap.width; ++x)
                    bitmap.pixels[static_cast<size_t>(y) * bitmap.width + x] = table[indices[y * rowBytes + x]];
        } else if (format == 4 && !withAlpha) {
            const size_t rowBytes = (static_cast<size_t>(bitmap.width) * 2 + 3) & ~size_t{3};
            auto data = inflateExactly(reader.bytes(reader.remaining()), rowBytes * bitmap.height);
            if (!data) return std::nullopt;
            const auto* bytes = reinterpret_cast<const uint8_t*>(data->data());
            bitmap.pixels.resize(pixelCount);
            for (int y = 0; y < bitmap.height; ++y)
                for (int x = 0; x < bitmap.width; ++x) {
                    const uint8_t* p = bytes + y * rowBytes + 2 * x;
                    const uint32_t v = uint32_t{p[0]} << 8 | p[1];  // big-endian 1:5:5:5
                    const uint32_t r = (v >> 10 & 31) * 255 / 31, g = (v >> 5 & 31) * 255 / 31, b = (v & 31) * 255 / 31;
                    bitmap.pixels[static_cast<size_t>(y) * bitmap.width + x] = premultiplied(255, r, g, b);
                }
        } else if (format == 5) {
            auto data = inflateExactly(reader.bytes(reader.remaining()), pixelCount * 4);
            if (!data) return std::nullopt;
            const auto* p = reinterpret_cast<const uint8_t*>(data->data());
            bitmap.pixels.resize(pixelCount);
            for (size_t i = 0; i < pixelCount; ++i, p += 4)
                bitmap.pixels[i] = premultiplied(withAlpha ? p[0] : 255, p[1], p[2], p[3]);
        } else {
            return std::nullopt;
        }
        return bitmap;
    } catch (const FormatError&) {
        return std::nullopt;
    }
}

}  // namespace morv::swf
