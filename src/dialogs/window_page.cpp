// The text window page: colours by the chooser, three groups of radio buttons.
#include "dialogs/window_page.h"

#include "dialogs/dialog_controls.h"
#include "dialogs/dialog_texts.h"
#include "dialogs/settings_target.h"
#include "platform/message_boxes.h"

namespace morv {

namespace {

constexpr int kTransparencies = 5;
constexpr int kGradations = 5;
constexpr int kFrames = 4;

void radioGroup(std::vector<DialogControl>& out, const char* title, const char* const* captions, int count,
                int firstId, int value) {
    out.push_back(controls::group(title));
    for (int i = 0; i < count; ++i) out.push_back(controls::radio(firstId + i, captions[i], value == i, true, i > 0));
}

}  // namespace

void CWindowPage::open() {
    color1_ = config_.textWindowColor1;
    color2_ = config_.textWindowColor2;
    highlight_ = config_.highlightColor;
    transparency_ = config_.textWindowAlpha;
    gradation_ = config_.textWindowGradation;
    frame_ = config_.textWindowOutline;
}

void CWindowPage::controls(std::vector<DialogControl>& out) const {
    out.push_back(controls::swatch(kColor1, dialog_text::kWindowColor1, color1_, 105, 90));
    out.push_back(controls::swatch(kColor2, dialog_text::kWindowColor2, color2_, 105, 90, true));
    out.push_back(controls::swatch(kHighlight, dialog_text::kHighlightColor, highlight_, 105, 90, true));
    radioGroup(out, dialog_text::kTransparencyGroup, dialog_text::kTransparencies, kTransparencies,
               kFirstTransparency, transparency_);
    radioGroup(out, dialog_text::kGradationGroup, dialog_text::kGradations, kGradations, kFirstGradation, gradation_);
    radioGroup(out, dialog_text::kFrameGroup, dialog_text::kFrames, kFrames, kFirstFrame, frame_);
}

void CWindowPage::handle(const ControlEvent& event) {
    if (event.kind != ControlEvent::Kind::Click) return;
    const int id = event.id;
    if (id == kColor1) {
        if (chooseColor(color1_)) changed();
    } else if (id == kColor2) {
        if (chooseColor(color2_)) changed();
    } else if (id == kHighlight) {
        if (chooseColor(highlight_)) changed();
    } else if (id >= kFirstTransparency && id < kFirstTransparency + kTransparencies) {
        transparency_ = id - kFirstTransparency;
        changed();
    } else if (id >= kFirstGradation && id < kFirstGradation + kGradations) {
        gradation_ = id - kFirstGradation;
        changed();
    } else if (id >= kFirstFrame && id < kFirstFrame + kFrames) {
        frame_ = id - kFirstFrame;
        changed();
    }
}

void CWindowPage::accept() {
    config_.textWindowColor1 = color1_;
    config_.textWindowColor2 = color2_;
    config_.highlightColor = highlight_;
    config_.textWindowAlpha = static_cast<uint8_t>(transparency_);
    config_.textWindowGradation = static_cast<uint8_t>(gradation_);
    config_.textWindowOutline = static_cast<uint8_t>(frame_);
    target_.engine.applyTextWindow();
}

}  // namespace morv
