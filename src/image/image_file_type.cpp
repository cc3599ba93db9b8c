// Telling PNG names from BMP names.
#include "image/image_decoders.h"

namespace morv {

bool isPngName(std::string_view name) {
    return name.find(".png") != std::string_view::npos || name.find(".PNG") != std::string_view::npos;
}

}  // namespace morv
