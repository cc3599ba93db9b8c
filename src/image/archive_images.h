// Pictures read out of the image archive.
#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "image/decoded_image.h"
#include "image/image_archive.h"
#include "image/image_size.h"

namespace morv {

// How the data of one type of archive entry is read.
class ImageCodec {
public:
    virtual ~ImageCodec() = default;
    // The entry's picture; none when it cannot be decoded (`pngError` then holds a
    // PNG decoder's error text, if any). With `alpha` given, a PNG's alpha channel
    // is returned in it; it is left empty otherwise.
    virtual std::optional<DecodedImage> decode(const ImageArchive& archive, const ArchiveEntry& entry,
                                               AlphaPlane* alpha, std::string& pngError) const = 0;
    // The picture's size from its header alone.
    virtual std::optional<ImageSize> readHeader(const ImageArchive& archive, const ArchiveEntry& entry) const = 0;
    // The entry's bytes as the archive holds them for the caller.
    virtual bool readRaw(const ImageArchive& archive, const ArchiveEntry& entry, std::string& out) const = 0;
};

// The codec for an entry type: BMP for types 0 and 1, PNG for 2, the default
// codec (inflating, no pictures) for 3; null for any other type.
const ImageCodec* codecForType(uint8_t type);

// The named entry's picture: none (alpha emptied) when the name is missing, the
// type is not BMP (1) or PNG (2), or the data does not decode.
std::optional<DecodedImage> decodeArchiveImage(const ImageArchive& archive, std::string_view name,
                                               AlphaPlane* alpha, std::string& pngError);
// The named picture's size from the entry's header; none for a missing entry or
// one that is not BMP or PNG.
std::optional<ImageSize> readArchiveImageHeader(const ImageArchive& archive, std::string_view name);

}  // namespace morv
