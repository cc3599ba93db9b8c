// The two image sources: loose files and the image archive.
#pragma once
#include <memory>
#include <string>

#include "display/image_source.h"

namespace morv {

class FileResolver;
class ImageArchive;

// Images as loose BMP and PNG files of the game directory (debug mode).
class LooseImageSource : public ImageSource {
public:
    LooseImageSource(const FileResolver& files, MessageBoxes& messages);

    std::optional<DecodedImage> decode(std::string_view name, AlphaPlane* alpha) override;
    std::optional<ImageSize> size(std::string_view name) override;

private:
    const FileResolver& files_;
};

// Images as entries of the image archive, opened once for the source's lifetime.
class ArchiveImageSource : public ImageSource {
public:
    // Throws ArchiveError when the archive cannot be opened.
    ArchiveImageSource(const FileResolver& files, const std::string& archivePath, MessageBoxes& messages);
    ~ArchiveImageSource() override;

    std::optional<DecodedImage> decode(std::string_view name, AlphaPlane* alpha) override;
    std::optional<ImageSize> size(std::string_view name) override;

private:
    std::unique_ptr<ImageArchive> archive_;
};

}  // namespace morv
