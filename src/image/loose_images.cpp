// Decoding loose image files by their names.
#include "image/loose_images.h"

#include "image/image_decoders.h"
#include "platform/file_resolver.h"

namespace morv {

std::optional<DecodedImage> decodeLooseImage(const FileResolver& files, std::string_view name, AlphaPlane* alpha,
                                             std::string& pngError) {
    if (alpha) *alpha = AlphaPlane{};
    const std::optional<std::string> bytes = files.readAll(name);
    if (!bytes) return std::nullopt;
    if (isPngName(name)) return readPng(*bytes, alpha, pngError);
    return readBmp(*bytes);
}

std::optional<ImageSize> looseImageSize(const FileResolver& files, std::string_view name, std::string& pngError) {
    const std::optional<DecodedImage> image = decodeLooseImage(files, name, nullptr, pngError);
    if (!image) return std::nullopt;
    return ImageSize{image->width, image->height};
}

}  // namespace morv
