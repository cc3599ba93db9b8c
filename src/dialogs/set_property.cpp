// The settings sheet: which page is in front, and OK, Cancel and Apply.
#include "dialogs/set_property.h"

#include "dialogs/dialog_controls.h"
#include "dialogs/dialog_texts.h"
#include "dialogs/font_page.h"
#include "dialogs/other_page.h"
#include "dialogs/sound_page.h"
#include "dialogs/text_page.h"
#include "dialogs/window_page.h"

namespace morv {

CSetProperty::CSetProperty(GameConfig& config, MessageBoxes& messages, SettingsTarget target,
                           std::vector<std::string> faces, Page front) {
    pages_[WindowPage] = std::make_unique<CWindowPage>(config, messages, target);
    pages_[TextPage] = std::make_unique<CTextPage>(config, messages, target);
    pages_[FontPage] = std::make_unique<CFontPage>(config, messages, target, std::move(faces));
    pages_[SoundPage] = std::make_unique<CSoundPage>(config, messages, target);
    pages_[OtherPage] = std::make_unique<COtherPage>(config, messages, target);
    bringToFront(front);
}

CSetProperty::~CSetProperty() = default;

void CSetProperty::bringToFront(int page) {
    if (page < 0 || page >= kPages) return;
    front_ = page;
    if (!opened_[static_cast<size_t>(page)]) {
        pages_[static_cast<size_t>(page)]->open();
        opened_[static_cast<size_t>(page)] = true;
    }
}

bool CSetProperty::applyEnabled() const {
    for (const auto& page : pages_) {
        if (page->modified()) return true;
    }
    return false;
}

void CSetProperty::acceptOpened() {
    for (size_t i = 0; i < pages_.size(); ++i) {
        if (!opened_[i]) continue;
        pages_[i]->accept();
        pages_[i]->clearModified();
    }
}

void CSetProperty::handle(const ControlEvent& event) {
    if (closed_) return;
    if (event.kind == ControlEvent::Kind::Tab) {
        bringToFront(event.value);
        return;
    }
    if (event.kind == ControlEvent::Kind::Click) {
        switch (event.id) {
            case kOkButton:
                acceptOpened();
                accepted_ = true;
                closed_ = true;
                return;
            case kCancelControl:
                for (size_t i = 0; i < pages_.size(); ++i) {
                    if (opened_[i]) pages_[i]->cancel();
                }
                closed_ = true;
                return;
            case kApplyButton:
                if (applyEnabled()) acceptOpened();
                return;
            default:
                break;
        }
    }
    pages_[static_cast<size_t>(front_)]->handle(event);
}

DialogView CSetProperty::view() {
    DialogView view;
    view.name = "settings";
    view.title = dialog_text::kSheetTitle;
    for (const char* title : dialog_text::kPageTitles) view.tabs.push_back(title);
    view.tab = front_;
    pages_[static_cast<size_t>(front_)]->controls(view.controls);
    view.controls.push_back(controls::group(""));
    view.controls.push_back(controls::button(kOkButton, dialog_text::kOkButton));
    view.controls.push_back(controls::button(kCancelControl, dialog_text::kCancelButton, true));
    view.controls.push_back(controls::button(kApplyButton, dialog_text::kApplyButton, true, applyEnabled()));
    return view;
}

}  // namespace morv
