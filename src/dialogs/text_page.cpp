// The text page: the speakers' colours, added and removed by name, and four sliders.
#include "dialogs/text_page.h"

#include <algorithm>

#include "dialogs/dialog_controls.h"
#include "dialogs/dialog_texts.h"
#include "dialogs/settings_target.h"
#include "platform/cp949.h"
#include "platform/message_boxes.h"
#include "platform/text_format.h"

namespace morv {

void CTextPage::open() {
    entries_ = config_.characterColors;
    selected_ = listed() > 0 ? 0 : -1;
    textSpeed_ = config_.textSpeed;
    autoSpeed_ = config_.autoSpeed;
    lineSpacing_ = config_.lineSpacing;
    windowMargin_ = config_.windowMargin;
}

int CTextPage::listed() const {
    auto free = std::find_if(entries_.begin(), entries_.end(), [](const CharacterColor& e) { return e.name.empty(); });
    return static_cast<int>(free - entries_.begin());
}

void CTextPage::controls(std::vector<DialogControl>& out) const {
    std::vector<std::string> names;
    for (int i = 0; i < listed(); ++i) names.push_back(cp949::toUtf8(entries_[static_cast<size_t>(i)].name));
    DialogControl list = controls::list(kCharacterList, std::move(names), selected_);
    list.width = 180;
    list.height = 108;
    out.push_back(list);
    const ConfigColor color = selected_ >= 0 ? entries_[static_cast<size_t>(selected_)].color : 0;
    out.push_back(controls::swatch(kColorSwatch, dialog_text::kTextColor, color, 105, 108, true));
    out.push_back(controls::button(kAddButton, dialog_text::kAddCharacter));
    out.push_back(controls::button(kRemoveButton, dialog_text::kRemoveCharacter, true));
    out.push_back(controls::check(kNoColorCheck, dialog_text::kNoColor, false, false, true));
    const auto sliderRow = [&out](const char* title, int id, int value, const char* low, const char* high) {
        DialogControl name = controls::label(title);
        name.width = 110;
        out.push_back(name);
        DialogControl left = controls::label(low, true, true);
        left.width = 36;
        out.push_back(left);
        out.push_back(controls::slider(id, value, 0, kSliderMax));
        out.push_back(controls::label(high, true, true));
    };
    sliderRow(dialog_text::kTextSpeed, kTextSpeed, textSpeed_, dialog_text::kSlow, dialog_text::kFast);
    sliderRow(dialog_text::kAutoSpeed, kAutoSpeed, autoSpeed_, dialog_text::kSlow, dialog_text::kFast);
    sliderRow(dialog_text::kLineSpacing, kLineSpacing, lineSpacing_, dialog_text::kSmall, dialog_text::kLarge);
    sliderRow(dialog_text::kWindowMargin, kWindowMargin, windowMargin_, dialog_text::kSmall, dialog_text::kLarge);
}

void CTextPage::handle(const ControlEvent& event) {
    switch (event.kind) {
        case ControlEvent::Kind::Select:
            if (event.id == kCharacterList && event.value >= 0 && event.value < listed()) selected_ = event.value;
            return;
        case ControlEvent::Kind::SliderRelease: {
            const int value = std::clamp(event.value, 0, kSliderMax);
            int* setting = event.id == kTextSpeed     ? &textSpeed_
                           : event.id == kAutoSpeed   ? &autoSpeed_
                           : event.id == kLineSpacing ? &lineSpacing_
                           : event.id == kWindowMargin ? &windowMargin_
                                                       : nullptr;
            if (setting == nullptr) return;
            *setting = value;
            changed();
            return;
        }
        case ControlEvent::Kind::Click:
            if (event.id == kColorSwatch) chooseSelectedColor();
            if (event.id == kAddButton) addCharacter();
            if (event.id == kRemoveButton) removeCharacter();
            return;
        default:
            return;
    }
}

void CTextPage::chooseSelectedColor() {
    if (selected_ < 0) return;
    if (chooseColor(entries_[static_cast<size_t>(selected_)].color)) changed();
}

void CTextPage::addCharacter() {
    std::optional<std::string> name = messages_.askName(dialog_text::kNamePrompt);
    if (!name || name->empty()) return;
    ConfigColor color = selected_ >= 0 ? entries_[static_cast<size_t>(selected_)].color : 0;
    if (!chooseColor(color)) return;
    const int free = listed();
    if (free >= GameConfig::kCharacterColors) {
        messages_.error(dialog_text::kTooManyCharacters);
        return;
    }
    entries_[static_cast<size_t>(free)] = {cp949::fromUtf8(*name), color};
    selected_ = 0;
    changed();
}

void CTextPage::removeCharacter() {
    if (selected_ < 0) return;
    const std::string name = entries_[static_cast<size_t>(selected_)].name;
    if (!messages_.question(formatText(dialog_text::kRemoveCharacterQuestion, cp949::toUtf8(name).c_str()))) return;
    // Every entry of that name goes; the rest move up in order and free entries fill the end.
    auto kept = std::remove_if(entries_.begin(), entries_.end(), [&name](const CharacterColor& e) {
        return !e.name.empty() && cp949::equalsIgnoreCase(e.name, name);
    });
    std::fill(kept, entries_.end(), CharacterColor{});
    selected_ = listed() > 0 ? 0 : -1;
    changed();
}

void CTextPage::accept() {
    config_.characterColors = entries_;
    config_.textSpeed = textSpeed_;
    config_.autoSpeed = autoSpeed_;
    config_.lineSpacing = lineSpacing_;
    config_.windowMargin = windowMargin_;
    target_.engine.applyTextSettings();
}

}  // namespace morv
