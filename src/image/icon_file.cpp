// Reading .ico and .cur files, and pictures for icons and pointers.
#include "image/icon_file.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "bytes/byte_fields.h"
#include "image/image_decoders.h"

namespace morv {

namespace {

constexpr size_t kDirectorySize = 6;
constexpr size_t kEntrySize = 16;
constexpr size_t kInfoHeaderSize = 40;
constexpr uint16_t kIconType = 1;
constexpr uint16_t kCursorType = 2;
// Icons are at most 256 pixels a side; PNG entries of larger sizes are refused too.
constexpr int kMaxSide = 256;
constexpr std::string_view kPngSignature("\x89PNG\r\n\x1a\n", 8);

RgbaPicture fromDecoded(const DecodedImage& image, const AlphaPlane* alpha) {
    RgbaPicture picture;
    picture.width = image.width;
    picture.height = image.height;
    picture.rgba.resize(static_cast<size_t>(image.width) * image.height * 4);
    const bool withAlpha = alpha != nullptr && alpha->width == image.width && alpha->height == image.height;
    for (int y = 0; y < image.height; ++y) {
        const uint8_t* row = image.rowFromTop(y);
        uint8_t* out = picture.rgba.data() + static_cast<size_t>(y) * image.width * 4;
        for (int x = 0; x < image.width; ++x, out += 4) {
            out[0] = row[x * 3 + 2];
            out[1] = row[x * 3 + 1];
            out[2] = row[x * 3];
            out[3] = withAlpha ? alpha->values[static_cast<size_t>(y) * image.width + x] : 255;
        }
    }
    return picture;
}

// A bitmap entry: an information header whose height counts the color rows and
// the mask rows, the palette, the color rows, then the 1-bit mask rows (1 = transparent).
std::optional<RgbaPicture> readBitmapEntry(std::string_view entry) {
    if (entry.size() < kInfoHeaderSize || u32At(entry, 0) < kInfoHeaderSize) return std::nullopt;
    const uint32_t headerSize = u32At(entry, 0);
    const int32_t width = i32At(entry, 4);
    const int32_t doubledHeight = i32At(entry, 8);
    const uint16_t bitCount = u16At(entry, 14);
    const uint32_t compression = u32At(entry, 16);
    uint32_t colorsUsed = u32At(entry, 32);
    if (width <= 0 || width > kMaxSide || doubledHeight <= 1 || doubledHeight > 2 * kMaxSide || compression != 0) {
        return std::nullopt;
    }
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 24 && bitCount != 32) return std::nullopt;
    const int height = doubledHeight / 2;
    if (bitCount <= 8 && (colorsUsed == 0 || colorsUsed > (1u << bitCount))) colorsUsed = 1u << bitCount;
    if (bitCount > 8) colorsUsed = 0;
    const size_t colorStart = headerSize + static_cast<size_t>(colorsUsed) * 4;
    const size_t colorRowBytes = (static_cast<size_t>(width) * bitCount + 31) / 32 * 4;
    const size_t maskRowBytes = (static_cast<size_t>(width) + 31) / 32 * 4;
    const size_t maskStart = colorStart + colorRowBytes * height;
    if (headerSize > entry.size() || maskStart + maskRowBytes * height > entry.size()) return std::nullopt;

    // The color part as a BMP file of the picture's own height, for the BMP reader.
    std::string bmp = "BM";
    const size_t fileHeader = 14;
    auto put32 = [&bmp](uint32_t value) {
        for (int i = 0; i < 4; ++i) bmp.push_back(static_cast<char>(value >> (8 * i)));
    };
    put32(static_cast<uint32_t>(fileHeader + maskStart));
    put32(0);
    put32(static_cast<uint32_t>(fileHeader + colorStart));
    bmp.append(entry.substr(0, maskStart));
    const size_t heightField = fileHeader + 8;
    for (int i = 0; i < 4; ++i) bmp[heightField + i] = static_cast<char>(static_cast<uint32_t>(height) >> (8 * i));
    const size_t colorsField = fileHeader + 32;
    for (int i = 0; i < 4; ++i) bmp[colorsField + i] = static_cast<char>(colorsUsed >> (8 * i));
    auto decoded = readBmp(bmp);
    if (!decoded || decoded->width != width || decoded->height != height) return std::nullopt;
    RgbaPicture picture = fromDecoded(*decoded, nullptr);

    // 32-bit entries carry their own alpha; when all of it is zero the mask decides.
    bool alphaUsed = false;
    if (bitCount == 32) {
        for (int y = 0; y < height; ++y) {
            const size_t row = colorStart + static_cast<size_t>(height - 1 - y) * colorRowBytes;
            for (int x = 0; x < width; ++x) {
                uint8_t a = static_cast<uint8_t>(entry[row + static_cast<size_t>(x) * 4 + 3]);
                picture.rgba[(static_cast<size_t>(y) * width + x) * 4 + 3] = a;
                alphaUsed = alphaUsed || a != 0;
            }
        }
    }
    if (!alphaUsed) {
        for (int y = 0; y < height; ++y) {
            const size_t row = maskStart + static_cast<size_t>(height - 1 - y) * maskRowBytes;
            for (int x = 0; x < width; ++x) {
                bool transparent = (static_cast<uint8_t>(entry[row + x / 8]) >> (7 - x % 8) & 1) != 0;
                picture.rgba[(static_cast<size_t>(y) * width + x) * 4 + 3] = transparent ? 0 : 255;
            }
        }
    }
    return picture;
}

std::optional<RgbaPicture> readPngEntry(std::string_view entry) {
    std::string error;
    AlphaPlane alpha;
    auto decoded = readPng(entry, &alpha, error);
    if (!decoded || decoded->width > kMaxSide || decoded->height > kMaxSide) return std::nullopt;
    return fromDecoded(*decoded, &alpha);
}

bool looksLikeIconFile(std::string_view bytes) {
    if (bytes.size() < kDirectorySize || u16At(bytes, 0) != 0) return false;
    const uint16_t type = u16At(bytes, 2);
    return (type == kIconType || type == kCursorType) && u16At(bytes, 4) > 0;
}

}  // namespace

std::optional<RgbaPicture> readIconFile(std::string_view bytes, int preferredSide) {
    if (!looksLikeIconFile(bytes)) return std::nullopt;
    const bool cursor = u16At(bytes, 2) == kCursorType;
    const size_t count = u16At(bytes, 4);
    if (kDirectorySize + count * kEntrySize > bytes.size()) return std::nullopt;
    // The entry whose size is closest to the preferred side; a byte of 0 means 256.
    size_t best = count;
    int bestDistance = 0;
    int bestSide = 0;
    for (size_t i = 0; i < count; ++i) {
        const size_t at = kDirectorySize + i * kEntrySize;
        const int side = static_cast<uint8_t>(bytes[at]) == 0 ? 256 : static_cast<uint8_t>(bytes[at]);
        const int distance = std::abs(side - preferredSide);
        if (best == count || distance < bestDistance || (distance == bestDistance && side > bestSide)) {
            best = i;
            bestDistance = distance;
            bestSide = side;
        }
    }
    const size_t at = kDirectorySize + best * kEntrySize;
    const uint32_t size = u32At(bytes, at + 8);
    const uint32_t offset = u32At(bytes, at + 12);
    if (offset > bytes.size() || size > bytes.size() - offset) return std::nullopt;
    const std::string_view entry = bytes.substr(offset, size);
    auto picture = entry.substr(0, kPngSignature.size()) == kPngSignature ? readPngEntry(entry) : readBitmapEntry(entry);
    if (picture && cursor) {
        picture->hotX = std::min<int>(u16At(bytes, at + 4), picture->width - 1);
        picture->hotY = std::min<int>(u16At(bytes, at + 6), picture->height - 1);
    }
    return picture;
}

std::optional<RgbaPicture> readPicture(std::string_view bytes) {
    if (bytes.substr(0, kPngSignature.size()) == kPngSignature) {
        std::string error;
        AlphaPlane alpha;
        auto decoded = readPng(bytes, &alpha, error);
        if (!decoded) return std::nullopt;
        return fromDecoded(*decoded, &alpha);
    }
    auto decoded = readBmp(bytes);
    if (!decoded) return std::nullopt;
    return fromDecoded(*decoded, nullptr);
}

std::optional<RgbaPicture> readIconOrPicture(std::string_view bytes, int preferredSide) {
    if (looksLikeIconFile(bytes)) return readIconFile(bytes, preferredSide);
    return readPicture(bytes);
}

}  // namespace morv
