// Messages of the image sources.
#include "display/image_source.h"

#include <string>

#include "platform/cp949.h"
#include "platform/message_boxes.h"
#include "platform/text_format.h"

namespace morv {

void ImageSource::reportUnreadable(std::string_view name) {
    messages_.error(formatText("%s 파일을 읽는데 실패했습니다.", cp949::toUtf8(name).c_str()));
}

void ImageSource::reportPngError(const std::string& error) {
    if (!error.empty()) messages_.error(error);
}

}  // namespace morv
