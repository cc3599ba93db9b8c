// Where a surface's images come from.
#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "image/decoded_image.h"
#include "image/image_size.h"

namespace morv {

class MessageBoxes;

// Where a surface's images come from: loose files or the image archive. One
// source belongs to each display connection and is shared by its surfaces.
class ImageSource {
public:
    explicit ImageSource(MessageBoxes& messages) : messages_(messages) {}
    virtual ~ImageSource() = default;
    ImageSource(const ImageSource&) = delete;
    ImageSource& operator=(const ImageSource&) = delete;

    // The decoded image, or none when it cannot be read. With `alpha` given, a PNG's
    // alpha channel is returned in it (left empty when the PNG has none). A PNG
    // decoder's error text has already been shown when this returns none.
    virtual std::optional<DecodedImage> decode(std::string_view name, AlphaPlane* alpha) = 0;
    // The image's size without keeping its pixels; none when it cannot be read.
    virtual std::optional<ImageSize> size(std::string_view name) = 0;

    // Shows "%s 파일을 읽는데 실패했습니다." with the (CP949) name.
    void reportUnreadable(std::string_view name);

protected:
    // A PNG decoder's error is shown with its own text; the image then counts as unreadable.
    void reportPngError(const std::string& error);

private:
    MessageBoxes& messages_;
};

}  // namespace morv
