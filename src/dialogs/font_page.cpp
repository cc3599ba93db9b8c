// The font page: a face from the list, the size slider, the style boxes and the colour.
#include "dialogs/font_page.h"

#include <algorithm>

#include "dialogs/dialog_controls.h"
#include "dialogs/dialog_texts.h"
#include "dialogs/settings_target.h"
#include "platform/cp949.h"
#include "platform/message_boxes.h"

namespace morv {

void CFontPage::open() {
    font_ = config_.font;
    shadow_ = config_.textShadow;
    outline_ = config_.textOutline;
    color_ = config_.textColor;
}

int CFontPage::selectedFace() const {
    for (size_t i = 0; i < faces_.size(); ++i) {
        if (cp949::equalsIgnoreCase(faces_[i], font_.faceName)) return static_cast<int>(i);
    }
    return -1;
}

void CFontPage::controls(std::vector<DialogControl>& out) const {
    std::vector<std::string> names;
    for (const std::string& face : faces_) names.push_back(cp949::toUtf8(face));
    DialogControl list = controls::list(kFaceList, std::move(names), selectedFace());
    list.width = 220;
    list.height = 200;
    out.push_back(list);
    DialogControl size = controls::slider(kSizeSlider, -font_.height, kSliderMin, kSliderMax);
    size.vertical = true;
    size.height = 160;
    size.items = {dialog_text::kFontLargest, dialog_text::kFontSmallest};
    out.push_back(size);
    out.push_back(controls::label(dialog_text::kFontSize, true, true));
    out.push_back(controls::check(kAntialiasingCheck, dialog_text::kFontAntialiasing, false, false));
    out.push_back(controls::check(kBoldCheck, dialog_text::kBold, font_.weight >= FontRecord::kWeightBold, true, true));
    out.push_back(controls::check(kShadowCheck, dialog_text::kShadow, shadow_, true, true));
    out.push_back(controls::check(kOutlineCheck, dialog_text::kOutline, outline_, true, true));
    out.push_back(controls::check(kItalicCheck, dialog_text::kItalic, font_.italic != 0));
    out.push_back(controls::check(kUnderlineCheck, dialog_text::kUnderline, font_.underline != 0, true, true));
    out.push_back(controls::check(kStrikeOutCheck, dialog_text::kStrikeOut, font_.strikeOut != 0, true, true));
    out.push_back(controls::group(dialog_text::kFontColorGroup));
    out.push_back(controls::swatch(kColorSwatch, dialog_text::kFontColorGroup, color_, 135, 42));
}

void CFontPage::handle(const ControlEvent& event) {
    switch (event.kind) {
        case ControlEvent::Kind::Select:
            if (event.id != kFaceList || event.value < 0 || event.value >= static_cast<int>(faces_.size())) return;
            font_.faceName = std::string(cp949::truncate(faces_[static_cast<size_t>(event.value)],
                                                         FontRecord::kFaceSize - 1));
            changed();
            return;
        case ControlEvent::Kind::SliderRelease:
            if (event.id != kSizeSlider) return;
            font_.height = -std::clamp(event.value, kSliderMin, kSliderMax);
            changed();
            return;
        case ControlEvent::Kind::Check: {
            const bool on = event.value != 0;
            switch (event.id) {
                case kBoldCheck:
                    font_.weight = on ? FontRecord::kWeightBold : FontRecord::kWeightNormal;
                    break;
                case kShadowCheck:
                    shadow_ = on;
                    break;
                case kOutlineCheck:
                    outline_ = on;
                    break;
                case kItalicCheck:
                    font_.italic = on;
                    break;
                case kUnderlineCheck:
                    font_.underline = on;
                    break;
                case kStrikeOutCheck:
                    font_.strikeOut = on;
                    break;
                default:
                    return;  // the anti-aliasing box is always disabled
            }
            changed();
            return;
        }
        case ControlEvent::Kind::Click:
            if (event.id == kColorSwatch && chooseColor(color_)) changed();
            return;
        default:
            return;
    }
}

void CFontPage::accept() {
    config_.font = font_;
    config_.textShadow = shadow_;
    config_.textOutline = outline_;
    config_.textColor = color_;
    target_.engine.applyFont();
}

}  // namespace morv
