// Decoding pictures stored in the image archive, by entry type.
#include "image/archive_images.h"

#include "bytes/byte_fields.h"
#include "image/image_decoders.h"
#include "image/image_limits.h"

namespace morv {
namespace {

constexpr uint32_t kBmpHeadersSize = 54;  // file header and information header
constexpr uint32_t kPngHeadSize = 24;     // signature, then the IHDR chunk's length, tag, width, height

std::optional<ImageSize> acceptableSize(long long width, long long height) {
    if (!isAcceptableImageSize(width, height)) return std::nullopt;
    return ImageSize{static_cast<int>(width), static_cast<int>(height)};
}

uint32_t bigEndianU32At(std::string_view bytes, size_t at) {
    return static_cast<uint32_t>(byteAt(bytes, at)) << 24 | byteAt(bytes, at + 1) << 16 | byteAt(bytes, at + 2) << 8 |
           byteAt(bytes, at + 3);
}

class BmpCodec final : public ImageCodec {
public:
    std::optional<DecodedImage> decode(const ImageArchive& archive, const ArchiveEntry& entry, AlphaPlane* alpha,
                                       std::string&) const override {
        if (alpha) *alpha = AlphaPlane{};
        std::string bytes;
        if (!archive.readStored(entry, bytes)) return std::nullopt;
        return readArchiveBmp(bytes);
    }
    std::optional<ImageSize> readHeader(const ImageArchive& archive, const ArchiveEntry& entry) const override {
        std::string head;
        if (!archive.readStoredHead(entry, kBmpHeadersSize, head) || head.size() < kBmpHeadersSize) return std::nullopt;
        const long long height = i32At(head, 22);
        return acceptableSize(i32At(head, 18), height < 0 ? -height : height);
    }
    bool readRaw(const ImageArchive& archive, const ArchiveEntry& entry, std::string& out) const override {
        return archive.readStored(entry, out);
    }
};

class PngCodec final : public ImageCodec {
public:
    std::optional<DecodedImage> decode(const ImageArchive& archive, const ArchiveEntry& entry, AlphaPlane* alpha,
                                       std::string& pngError) const override {
        if (alpha) *alpha = AlphaPlane{};
        std::string bytes;
        if (!archive.readStored(entry, bytes)) return std::nullopt;
        return readPng(bytes, alpha, pngError);
    }
    std::optional<ImageSize> readHeader(const ImageArchive& archive, const ArchiveEntry& entry) const override {
        static constexpr std::string_view kSignature("\x89PNG\r\n\x1a\n", 8);
        std::string head;
        if (!archive.readStoredHead(entry, kPngHeadSize, head) || head.size() < kPngHeadSize) return std::nullopt;
        if (head.compare(0, 8, kSignature) != 0 || head.compare(12, 4, "IHDR") != 0) return std::nullopt;
        return acceptableSize(bigEndianU32At(head, 16), bigEndianU32At(head, 20));
    }
    bool readRaw(const ImageArchive& archive, const ArchiveEntry& entry, std::string& out) const override {
        return archive.readStored(entry, out);
    }
};

// Compressed entries hold no pictures, only data to inflate.
class DefaultCodec final : public ImageCodec {
public:
    std::optional<DecodedImage> decode(const ImageArchive&, const ArchiveEntry&, AlphaPlane* alpha,
                                       std::string&) const override {
        if (alpha) *alpha = AlphaPlane{};
        return std::nullopt;
    }
    std::optional<ImageSize> readHeader(const ImageArchive&, const ArchiveEntry&) const override {
        return std::nullopt;
    }
    bool readRaw(const ImageArchive& archive, const ArchiveEntry& entry, std::string& out) const override {
        return archive.readInflated(entry, out);
    }
};

bool isPictureEntry(const ArchiveEntry& entry) {
    return entry.type == ArchiveEntry::Bmp || entry.type == ArchiveEntry::Png;
}

}  // namespace

const ImageCodec* codecForType(uint8_t type) {
    static const BmpCodec bmp;
    static const PngCodec png;
    static const DefaultCodec compressed;
    switch (type) {
        case ArchiveEntry::Raw:
        case ArchiveEntry::Bmp:
            return &bmp;
        case ArchiveEntry::Png:
            return &png;
        case ArchiveEntry::Compressed:
            return &compressed;
        default:
            return nullptr;
    }
}

std::optional<DecodedImage> decodeArchiveImage(const ImageArchive& archive, std::string_view name,
                                               AlphaPlane* alpha, std::string& pngError) {
    if (alpha) *alpha = AlphaPlane{};
    const ArchiveEntry* entry = archive.find(name);
    if (!entry || !isPictureEntry(*entry)) return std::nullopt;
    return codecForType(entry->type)->decode(archive, *entry, alpha, pngError);
}

std::optional<ImageSize> readArchiveImageHeader(const ImageArchive& archive, std::string_view name) {
    const ArchiveEntry* entry = archive.find(name);
    if (!entry || !isPictureEntry(*entry)) return std::nullopt;
    return codecForType(entry->type)->readHeader(archive, *entry);
}

}  // namespace morv
