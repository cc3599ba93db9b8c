// The other settings page: two anti-aliasing boxes and two numbers that matter from the next start.
#include "dialogs/other_page.h"

#include <algorithm>
#include <charconv>

#include "config/game_config.h"
#include "dialogs/dialog_controls.h"
#include "dialogs/dialog_texts.h"
#include "platform/message_boxes.h"

namespace morv {

void COtherPage::open() {
    antialiasing_ = config_.imageAntialiasing;
    pngAlpha_ = config_.usePngAlpha;
    history_ = config_.textHistorySize;
    preload_ = config_.imagesToPreload;
    historyAgreed_ = false;
}

void COtherPage::controls(std::vector<DialogControl>& out) const {
    out.push_back(controls::group(dialog_text::kAntialiasingGroup));
    out.push_back(controls::check(kAntialiasingCheck, dialog_text::kImageAntialiasing, antialiasing_));
    out.push_back(controls::check(kPngAlphaCheck, dialog_text::kPngAlpha, pngAlpha_, antialiasing_));
    out.push_back(controls::label(dialog_text::kHistorySize));
    out.push_back(controls::number(kHistoryField, dialog_text::kHistorySize, history_, 0, kHistoryMax));
    // The preload count is shown but never editable.
    out.push_back(controls::label(dialog_text::kPreloadImages, false));
    out.push_back(controls::number(kPreloadField, dialog_text::kPreloadImages, preload_, 0, kPreloadMax, false));
    out.push_back(controls::label(dialog_text::kLeaveAsIs));
}

void COtherPage::handle(const ControlEvent& event) {
    if (event.kind == ControlEvent::Kind::Check) {
        if (event.id == kAntialiasingCheck) {
            antialiasing_ = event.value != 0;
        } else if (event.id == kPngAlphaCheck && antialiasing_) {
            pngAlpha_ = event.value != 0;
        } else {
            return;
        }
        changed();
        return;
    }
    if (event.kind != ControlEvent::Kind::Edit || event.id != kHistoryField) return;
    int value = 0;
    const char* begin = event.text.data();
    const char* end = begin + event.text.size();
    // Text that is not a number leaves the stored value.
    if (auto [stop, error] = std::from_chars(begin, end, value); error != std::errc() || stop != end) return;
    value = std::clamp(value, 0, kHistoryMax);
    if (value == history_) return;
    if (!historyAgreed_) {
        // Cancel puts the stored value back into the field.
        if (!messages_.question(dialog_text::kRestartQuestion)) return;
        historyAgreed_ = true;
    }
    history_ = value;
    changed();
}

void COtherPage::accept() {
    config_.imageAntialiasing = antialiasing_;
    config_.usePngAlpha = pngAlpha_;
    config_.textHistorySize = history_;
    config_.imagesToPreload = preload_;
}

}  // namespace morv
