// Decoding BMP files into 24-bit pictures.
#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

#include "bytes/byte_fields.h"
#include "image/image_decoders.h"
#include "image/image_limits.h"

namespace morv {
namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr size_t kInfoHeaderSize = 40;
constexpr size_t kCoreHeaderSize = 12;

enum Compression : uint32_t { Uncompressed = 0, Rle8 = 1, Rle4 = 2, BitFields = 3, AlphaBitFields = 6 };

struct BgrColor {
    uint8_t blue = 0, green = 0, red = 0;
};

// What the headers of a loose BMP file say.
struct BmpLayout {
    int width = 0;
    int height = 0;
    bool topDown = false;
    int bitCount = 0;
    uint32_t compression = Uncompressed;
    uint32_t redMask = 0, greenMask = 0, blueMask = 0;
    size_t pixelOffset = 0;
    std::array<BgrColor, 256> palette{};  // entries past the file's own stay black
};

// One channel of a bit-field pixel scaled to 0..255.
class ChannelMask {
public:
    explicit ChannelMask(uint32_t mask)
        : mask_(mask), shift_(mask ? std::countr_zero(mask) : 0), max_(mask ? mask >> shift_ : 1) {}
    uint8_t operator()(uint32_t pixel) const {
        return static_cast<uint8_t>(static_cast<uint64_t>((pixel & mask_) >> shift_) * 255 / max_);
    }

private:
    uint32_t mask_;
    int shift_;
    uint32_t max_;
};

std::optional<BmpLayout> readLayout(std::string_view bytes) {
    if (bytes.size() < kFileHeaderSize + kCoreHeaderSize || bytes.substr(0, 2) != "BM") return std::nullopt;
    BmpLayout layout;
    layout.pixelOffset = u32At(bytes, 10);
    const uint32_t headerSize = u32At(bytes, kFileHeaderSize);
    size_t paletteEntrySize = 4;
    long long height = 0;
    uint32_t colorsUsed = 0;
    if (headerSize == kCoreHeaderSize) {
        layout.width = u16At(bytes, 18);
        height = u16At(bytes, 20);
        if (u16At(bytes, 22) != 1) return std::nullopt;
        layout.bitCount = u16At(bytes, 24);
        paletteEntrySize = 3;
    } else {
        if (headerSize < kInfoHeaderSize || headerSize > bytes.size() - kFileHeaderSize) return std::nullopt;
        layout.width = i32At(bytes, 18);
        height = i32At(bytes, 22);
        if (u16At(bytes, 26) != 1) return std::nullopt;
        layout.bitCount = u16At(bytes, 28);
        layout.compression = u32At(bytes, 30);
        colorsUsed = u32At(bytes, 46);
    }
    layout.topDown = height < 0;
    if (layout.topDown) height = -height;
    if (!isAcceptableImageSize(layout.width, height)) return std::nullopt;
    layout.height = static_cast<int>(height);

    switch (layout.compression) {
        case Uncompressed:
            if (layout.bitCount == 16) {
                layout.redMask = 0x7C00, layout.greenMask = 0x03E0, layout.blueMask = 0x001F;
            } else if (layout.bitCount != 1 && layout.bitCount != 4 && layout.bitCount != 8 && layout.bitCount != 24 &&
                       layout.bitCount != 32) {
                return std::nullopt;
            }
            break;
        case Rle8:
        case Rle4:
            if (layout.bitCount != (layout.compression == Rle8 ? 8 : 4) || layout.topDown) return std::nullopt;
            break;
        case BitFields:
        case AlphaBitFields:
            // The masks follow a 40-byte header and lie inside every longer one: same offset.
            if ((layout.bitCount != 16 && layout.bitCount != 32) || bytes.size() < 66) return std::nullopt;
            layout.redMask = u32At(bytes, 54), layout.greenMask = u32At(bytes, 58), layout.blueMask = u32At(bytes, 62);
            break;
        default:
            return std::nullopt;
    }

    if (layout.bitCount <= 8) {
        const size_t paletteStart = kFileHeaderSize + headerSize;
        size_t count = colorsUsed ? colorsUsed : size_t{1} << layout.bitCount;
        count = std::min({count, layout.palette.size(), (bytes.size() - paletteStart) / paletteEntrySize});
        for (size_t i = 0; i < count; ++i) {
            const size_t at = paletteStart + i * paletteEntrySize;
            layout.palette[i] = BgrColor{byteAt(bytes, at), byteAt(bytes, at + 1), byteAt(bytes, at + 2)};
        }
    }
    if (layout.pixelOffset >= bytes.size()) return std::nullopt;
    return layout;
}

DecodedImage blankImage(const BmpLayout& layout) {
    DecodedImage image;
    image.width = layout.width;
    image.height = layout.height;
    image.pixels.assign(image.rowBytes() * layout.height, 0);
    return image;
}

inline void putColor(uint8_t* out, BgrColor color) {
    out[0] = color.blue;
    out[1] = color.green;
    out[2] = color.red;
}

// Runs `decodeRow(in, out)` over every stored row, placing it bottom row first.
template <typename DecodeRow>
std::optional<DecodedImage> decodeUncompressed(std::string_view bytes, const BmpLayout& layout, DecodeRow decodeRow) {
    const size_t stride = (static_cast<size_t>(layout.width) * layout.bitCount + 31) / 32 * 4;
    if (stride * layout.height > bytes.size() - layout.pixelOffset) return std::nullopt;
    DecodedImage image = blankImage(layout);
    const size_t rowBytes = image.rowBytes();
    for (int row = 0; row < layout.height; ++row) {
        const auto* in = reinterpret_cast<const uint8_t*>(bytes.data()) + layout.pixelOffset + stride * row;
        const int arrayRow = layout.topDown ? layout.height - 1 - row : row;
        decodeRow(in, image.pixels.data() + rowBytes * arrayRow);
    }
    return image;
}

std::optional<DecodedImage> decodeIndexed(std::string_view bytes, const BmpLayout& layout) {
    const int bits = layout.bitCount;
    const int perByte = 8 / bits;
    const unsigned mask = (1u << bits) - 1;
    return decodeUncompressed(bytes, layout, [&](const uint8_t* in, uint8_t* out) {
        for (int x = 0; x < layout.width; ++x, out += 3) {
            const int shift = 8 - bits * (x % perByte + 1);
            putColor(out, layout.palette[(in[x / perByte] >> shift) & mask]);
        }
    });
}

std::optional<DecodedImage> decodeBitFields(std::string_view bytes, const BmpLayout& layout) {
    const ChannelMask red(layout.redMask), green(layout.greenMask), blue(layout.blueMask);
    const size_t pixelBytes = layout.bitCount / 8;
    return decodeUncompressed(bytes, layout, [&](const uint8_t* in, uint8_t* out) {
        for (int x = 0; x < layout.width; ++x, in += pixelBytes, out += 3) {
            uint32_t pixel = in[0] | in[1] << 8;
            if (pixelBytes == 4) pixel |= static_cast<uint32_t>(in[2]) << 16 | static_cast<uint32_t>(in[3]) << 24;
            out[0] = blue(pixel);
            out[1] = green(pixel);
            out[2] = red(pixel);
        }
    });
}

std::optional<DecodedImage> decodeTrueColor(std::string_view bytes, const BmpLayout& layout) {
    const size_t pixelBytes = layout.bitCount / 8;
    return decodeUncompressed(bytes, layout, [&](const uint8_t* in, uint8_t* out) {
        for (int x = 0; x < layout.width; ++x, in += pixelBytes, out += 3) std::memcpy(out, in, 3);
    });
}

// Run-length encoded indices, bottom row first. Pixels that the stream skips stay
// black; runs past the right edge are cut off.
std::optional<DecodedImage> decodeRunLength(std::string_view bytes, const BmpLayout& layout) {
    const bool fourBit = layout.compression == Rle4;
    DecodedImage image = blankImage(layout);
    const size_t rowBytes = image.rowBytes();
    long long x = 0;
    long long y = 0;
    auto put = [&](unsigned index) {
        if (x < layout.width && y < layout.height) {
            putColor(image.pixels.data() + rowBytes * y + 3 * x, layout.palette[index]);
        }
        ++x;
    };
    size_t at = layout.pixelOffset;
    while (y < layout.height) {
        if (bytes.size() - at < 2) return std::nullopt;
        const uint8_t count = byteAt(bytes, at);
        const uint8_t value = byteAt(bytes, at + 1);
        at += 2;
        if (count > 0) {
            for (int i = 0; i < count; ++i) put(fourBit ? (i % 2 == 0 ? value >> 4 : value & 0x0F) : value);
        } else if (value == 0) {
            x = 0;
            ++y;
        } else if (value == 1) {
            break;
        } else if (value == 2) {
            if (bytes.size() - at < 2) return std::nullopt;
            x += byteAt(bytes, at);
            y += byteAt(bytes, at + 1);
            at += 2;
        } else {
            const size_t dataBytes = fourBit ? (value + 1) / 2 : value;
            const size_t paddedBytes = (dataBytes + 1) & ~size_t{1};
            if (bytes.size() - at < paddedBytes) return std::nullopt;
            for (int i = 0; i < value; ++i) {
                const uint8_t packed = byteAt(bytes, at + (fourBit ? i / 2 : i));
                put(fourBit ? (i % 2 == 0 ? packed >> 4 : packed & 0x0F) : packed);
            }
            at += paddedBytes;
        }
    }
    return image;
}

}  // namespace

std::optional<DecodedImage> readBmp(std::string_view bytes) {
    const std::optional<BmpLayout> layout = readLayout(bytes);
    if (!layout) return std::nullopt;
    switch (layout->compression) {
        case Rle8:
        case Rle4:
            return decodeRunLength(bytes, *layout);
        case BitFields:
        case AlphaBitFields:
            return decodeBitFields(bytes, *layout);
        default:
            if (layout->bitCount <= 8) return decodeIndexed(bytes, *layout);
            if (layout->bitCount == 16) return decodeBitFields(bytes, *layout);
            return decodeTrueColor(bytes, *layout);
    }
}

std::optional<DecodedImage> readArchiveBmp(std::string_view bytes) {
    constexpr size_t kPixelStart = kFileHeaderSize + kInfoHeaderSize;
    if (bytes.size() < kPixelStart) return std::nullopt;
    const long long width = i32At(bytes, 18);
    long long height = i32At(bytes, 22);
    // A negative height stores the rows top row first; they are turned around.
    const bool topDown = height < 0;
    if (topDown) height = -height;
    if (!isAcceptableImageSize(width, height)) return std::nullopt;

    DecodedImage image;
    image.width = static_cast<int>(width);
    image.height = static_cast<int>(height);
    const size_t rowBytes = image.rowBytes();
    if (rowBytes * image.height > bytes.size() - kPixelStart) return std::nullopt;
    image.pixels.assign(rowBytes * image.height, 0);
    for (int row = 0; row < image.height; ++row) {
        const int arrayRow = topDown ? image.height - 1 - row : row;
        std::memcpy(image.pixels.data() + rowBytes * arrayRow, bytes.data() + kPixelStart + rowBytes * row,
                    static_cast<size_t>(image.width) * 3);
    }
    return image;
}

}  // namespace morv
