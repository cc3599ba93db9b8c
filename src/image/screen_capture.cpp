// Writing a frame as a 24-bit BMP file.
#include "image/screen_capture.h"

#include <cstring>
#include <fstream>

#include "image/decoded_image.h"
#include "platform/file_resolver.h"
#include "platform/message_boxes.h"
#include "bytes/byte_stream.h"

namespace morv {
namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr size_t kInfoHeaderSize = 40;
constexpr const char* kWriteFailed = "파일 쓰기에 실패했습니다.";

// The pixel rows as blue, green, red, bottom row first, padded to 4 bytes.
std::string captureRows(const uint8_t* rows, size_t pitch, PixelFormat format, int width, int height) {
    const size_t rowBytes = DecodedImage::rowBytesFor(width);
    std::string pixels(rowBytes * height, '\0');
    for (int y = 0; y < height; ++y) {
        const uint8_t* in = rows + pitch * y;
        auto* out = reinterpret_cast<uint8_t*>(pixels.data()) + rowBytes * (height - 1 - y);
        if (format == PixelFormat::Rgb565) {
            for (int x = 0; x < width; ++x, in += 2, out += 3) {
                const uint16_t pixel = static_cast<uint16_t>(in[0] | in[1] << 8);
                out[0] = static_cast<uint8_t>((pixel & 0x1F) << 3);
                out[1] = static_cast<uint8_t>((pixel >> 5 & 0x3F) << 2);
                out[2] = static_cast<uint8_t>((pixel >> 11) << 3);
            }
        } else {
            for (int x = 0; x < width; ++x, in += 4, out += 3) std::memcpy(out, in, 3);
        }
    }
    return pixels;
}

std::string fileHeader(size_t pixelBytes) {
    ByteStream header;
    header.writeBytes("BM");
    header.writeU32(static_cast<uint32_t>(kFileHeaderSize + kInfoHeaderSize + pixelBytes));
    header.writeU32(0);
    header.writeU32(kFileHeaderSize + kInfoHeaderSize);
    return header.bytes();
}

std::string infoHeader(int width, int height, size_t pixelBytes) {
    ByteStream header;
    header.writeU32(kInfoHeaderSize);
    header.writeI32(width);
    header.writeI32(height);
    header.writeU16(1);
    header.writeU16(24);
    header.writeU32(0);
    header.writeU32(static_cast<uint32_t>(pixelBytes));
    header.writeBytes(std::string(16, '\0'));  // resolution and color counts
    return header.bytes();
}

}  // namespace

std::string encodeCaptureBmp(const uint8_t* rows, size_t pitch, PixelFormat format, int width, int height) {
    const std::string pixels = captureRows(rows, pitch, format, width, height);
    return fileHeader(pixels.size()) + infoHeader(width, height, pixels.size()) + pixels;
}

std::string encodeBmpFile(const DecodedImage& image) {
    const std::string_view pixels(reinterpret_cast<const char*>(image.pixels.data()), image.pixels.size());
    return fileHeader(pixels.size()) + infoHeader(image.width, image.height, pixels.size()) + std::string(pixels);
}

bool writeCapture(const FileResolver& files, MessageBoxes& messages, std::string_view path, const uint8_t* rows,
                  size_t pitch, PixelFormat format, int width, int height) {
    const std::string pixels = captureRows(rows, pitch, format, width, height);
    std::ofstream out(files.pathForCreate(path), std::ios::binary | std::ios::trunc);
    bool written = true;
    for (const std::string& part : {fileHeader(pixels.size()), infoHeader(width, height, pixels.size()), pixels}) {
        out.write(part.data(), static_cast<std::streamsize>(part.size()));
        out.flush();
        if (!out) {
            messages.error(kWriteFailed);
            written = false;
            out.clear();
        }
    }
    return written;
}

}  // namespace morv
