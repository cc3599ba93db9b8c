// The archive with each of its entry types, the loose BMP and PNG readers and the icon reader.
#include "fuzz_targets.h"
#include "image/archive_images.h"
#include "image/icon_file.h"
#include "image/image_archive.h"
#include "image/image_decoders.h"
#include "platform/file_resolver.h"
#include "targets/readers.h"
#include "targets/scratch_file.h"

namespace morv::fuzz {
namespace {

// Entries looked at per archive: enough for every entry type, few enough that a
// long table does not slow the search down.
constexpr size_t kEntriesTried = 16;

void requireWellFormed(const std::optional<DecodedImage>& image, const AlphaPlane* alpha) {
    if (!image) return;
    require(image->width > 0 && image->height > 0, "decoded pictures have a size");
    require(image->pixels.size() == image->rowBytes() * static_cast<size_t>(image->height),
            "decoded pixels fill their rows");
    if (alpha && alpha->width != 0) {
        require(alpha->width == image->width && alpha->height == image->height, "alpha planes match their picture");
        require(alpha->values.size() == static_cast<size_t>(alpha->width) * alpha->height, "alpha planes are whole");
    }
}

}  // namespace

void readArchive(std::string_view bytes) {
    writeScratchFile("images.qxa", bytes);
    const FileResolver files;
    std::unique_ptr<ImageArchive> archive;
    try {
        archive = std::make_unique<ImageArchive>(files, "images.qxa");
    } catch (const ArchiveError&) {
        return;
    }
    const auto& entries = archive->entries();
    for (size_t i = 0; i < entries.size() && i < kEntriesTried; ++i) {
        const std::string& name = entries[i].name;
        std::string raw;
        // Reads by name take the first entry of that name, which a damaged table may hold twice.
        const ArchiveEntry* read = archive->find(name);
        if (archive->readRaw(name, raw) && read->type == ArchiveEntry::Compressed) {
            require(raw.size() <= read->unpackedSize, "inflated entries stop at their claimed size");
        }
        AlphaPlane alpha;
        std::string pngError;
        requireWellFormed(decodeArchiveImage(*archive, name, &alpha, pngError), &alpha);
        readArchiveImageHeader(*archive, name);
    }
}

void readBmpFiles(std::string_view bytes) {
    requireWellFormed(readBmp(bytes), nullptr);
    requireWellFormed(readArchiveBmp(bytes), nullptr);
}

void readPngFiles(std::string_view bytes) {
    std::string error;
    AlphaPlane alpha;
    requireWellFormed(readPng(bytes, &alpha, error), &alpha);
    requireWellFormed(readPng(bytes, nullptr, error), nullptr);
}

void readIconFiles(std::string_view bytes) {
    for (int side : {16, 32, 256}) {
        auto picture = readIconOrPicture(bytes, side);
        if (!picture) continue;
        require(picture->width > 0 && picture->height > 0, "icons have a size");
        require(picture->rgba.size() == static_cast<size_t>(picture->width) * picture->height * 4,
                "icon pixels fill the picture");
        require(picture->hotX >= 0 && picture->hotX < picture->width && picture->hotY >= 0 &&
                    picture->hotY < picture->height,
                "hot spots lie on the picture");
    }
}

}  // namespace morv::fuzz
