// Images from loose files or from the image archive.
#include "display/image_sources.h"

#include "image/archive_images.h"
#include "image/image_archive.h"
#include "image/loose_images.h"

namespace morv {

LooseImageSource::LooseImageSource(const FileResolver& files, MessageBoxes& messages)
    : ImageSource(messages), files_(files) {}

std::optional<DecodedImage> LooseImageSource::decode(std::string_view name, AlphaPlane* alpha) {
    std::string pngError;
    std::optional<DecodedImage> image = decodeLooseImage(files_, name, alpha, pngError);
    if (!image) reportPngError(pngError);
    return image;
}

std::optional<ImageSize> LooseImageSource::size(std::string_view name) {
    std::string pngError;
    std::optional<ImageSize> size = looseImageSize(files_, name, pngError);
    if (!size) reportPngError(pngError);
    return size;
}

ArchiveImageSource::ArchiveImageSource(const FileResolver& files, const std::string& archivePath,
                                       MessageBoxes& messages)
    : ImageSource(messages), archive_(std::make_unique<ImageArchive>(files, archivePath)) {}

ArchiveImageSource::~ArchiveImageSource() = default;

std::optional<DecodedImage> ArchiveImageSource::decode(std::string_view name, AlphaPlane* alpha) {
    std::string pngError;
    std::optional<DecodedImage> image = decodeArchiveImage(*archive_, name, alpha, pngError);
    if (!image) reportPngError(pngError);
    return image;
}

std::optional<ImageSize> ArchiveImageSource::size(std::string_view name) {
    return readArchiveImageHeader(*archive_, name);
}

}  // namespace morv
