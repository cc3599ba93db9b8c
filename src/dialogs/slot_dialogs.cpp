// The save and load dialogs' answers to clicks and scrolling.
#include "dialogs/slot_dialogs.h"

#include <algorithm>

#include "config/game_config.h"
#include "dialogs/dialog_texts.h"
#include "display/surface.h"
#include "interpreter/save_procedure.h"
#include "platform/file_resolver.h"
#include "platform/message_boxes.h"

namespace morv {

SlotDialog::SlotDialog(SlotPainter::Dialog kind, const Texts& texts, const GameConfig& config,
                       const FileResolver& files, MessageBoxes& messages, TextFont& font)
    : files_(files),
      messages_(messages),
      painter_(kind, files, config.saveDirectory, config.windowWidth, config.windowHeight, font),
      saveDirectory_(config.saveDirectory),
      texts_(texts) {}

SlotDialog::~SlotDialog() = default;

void SlotDialog::close(int result) {
    result_ = result;
    closed_ = true;
}

bool SlotDialog::slotFileExists(int slot) const {
    return files_.exists(saveDirectory_ + SaveProcedure::slotFileName(slot));
}

bool SlotDialog::removeSlotFile(int slot) {
    painter_.forget(slot);
    return files_.remove(saveDirectory_ + SaveProcedure::slotFileName(slot));
}

void SlotDialog::handle(const ControlEvent& event) {
    if (closed_) return;
    const int first = firstSlotButtonId();
    if (event.id >= first && event.id < first + kVisible &&
        (event.kind == ControlEvent::Kind::Click || event.kind == ControlEvent::Kind::DoubleClick)) {
        selected_ = top_ + (event.id - first) + 1;
        focused_ = selected_;
        redraw();
        if (event.kind == ControlEvent::Kind::DoubleClick) mainButton();
        return;
    }
    if (event.kind == ControlEvent::Kind::Scroll) {
        if (event.id == kScrollBar) scroll(event);
        return;
    }
    if (event.kind != ControlEvent::Kind::Click) return;
    if (event.id == mainButtonId()) {
        mainButton();
    } else if (event.id == kDeleteButton) {
        deleteButton();
    } else if (event.id == kCancelButton || event.id == kCancelControl) {
        close(0);
    }
}

void SlotDialog::scroll(const ControlEvent& event) {
    const int limit = std::max(count() - kVisible, 0);
    int top = top_;
    switch (event.value) {
        case ControlEvent::LineUp:
            top -= 1;
            break;
        case ControlEvent::LineDown:
            top += 1;
            break;
        case ControlEvent::PageUp:
            top -= kVisible;
            break;
        case ControlEvent::PageDown:
            top += kVisible;
            break;
        case ControlEvent::Thumb:
            top = event.position;
            break;
        default:
            return;
    }
    // A thumb position past the limit (the bar's range runs to the last slot) stops at it.
    top_ = std::clamp(top, 0, limit);
    const auto visible = [this](int position) { return position > top_ && position <= top_ + kVisible; };
    if (!visible(focused_)) focused_ = 0;
    if (visible(selected_)) focused_ = selected_;
    redraw();
}

const Surface& SlotDialog::buttonPicture(int k) {
    drawButtons();
    return *pictures_[static_cast<size_t>(k)];
}

void SlotDialog::drawButtons() {
    if (drawn_) return;
    for (int k = 0; k < kVisible; ++k) {
        auto& picture = pictures_[static_cast<size_t>(k)];
        if (!picture) {
            picture = std::make_unique<Surface>(PixelFormat::Xrgb8888, nullptr);
            picture->create(SlotPainter::kWidth, SlotPainter::kHeight);
        }
        const int position = top_ + k + 1;
        painter_.draw(*picture, slotAt(position), focused_ == position);
    }
    drawn_ = true;
}

DialogView SlotDialog::view() {
    drawButtons();
    DialogView view;
    view.name = texts_.name;
    view.title = texts_.title;
    for (int k = 0; k < kVisible; ++k) {
        DialogControl button;
        button.kind = DialogControl::Kind::PictureButton;
        button.id = firstSlotButtonId() + k;
        button.caption = texts_.slotCaptions[k];
        button.focused = focused_ == top_ + k + 1;
        button.picture = surfacePicture(*pictures_[static_cast<size_t>(k)]);
        view.controls.push_back(std::move(button));
    }
    DialogControl bar;
    bar.kind = DialogControl::Kind::ScrollBar;
    bar.id = kScrollBar;
    bar.sameLine = true;
    bar.value = top_;
    bar.minimum = 0;
    bar.maximum = std::max(count() - 1, 0);
    bar.page = kVisible;
    bar.height = SlotPainter::kHeight * kVisible;
    view.controls.push_back(bar);
    const auto button = [&view](int id, const char* caption, bool sameLine) {
        DialogControl control;
        control.kind = DialogControl::Kind::Button;
        control.id = id;
        control.caption = caption;
        control.sameLine = sameLine;
        view.controls.push_back(control);
    };
    button(mainButtonId(), texts_.mainButton, false);
    button(kDeleteButton, dialog_text::kDeleteButton, true);
    button(kCancelButton, dialog_text::kCancelButton, true);
    return view;
}

// --- Save dialog ---

SaveDialog::SaveDialog(const GameConfig& config, const FileResolver& files, MessageBoxes& messages, TextFont& font)
    : SlotDialog(SlotPainter::Dialog::Save,
                 {"save", dialog_text::kSaveTitle, dialog_text::kSaveButton, dialog_text::kSaveSlotCaptions}, config,
                 files, messages, font) {}

int SaveDialog::slotAt(int position) const {
    return position >= SaveProcedure::kFirstSlot && position <= SaveProcedure::kLastSlot ? position : 0;
}

int SaveDialog::count() const { return SaveProcedure::kLastSlot; }

void SaveDialog::mainButton() {
    if (selected_ == 0) return;
    if (!slotFileExists(selected_) || messages_.question(dialog_text::kOverwriteQuestion)) close(selected_);
}

void SaveDialog::deleteButton() {
    if (selected_ == 0 || !slotFileExists(selected_)) return;
    if (!messages_.question(dialog_text::kDeleteQuestion)) return;
    removeSlotFile(selected_);
    redraw();
}

// --- Load dialog ---

LoadDialog::LoadDialog(const GameConfig& config, const FileResolver& files, MessageBoxes& messages, TextFont& font)
    : SlotDialog(SlotPainter::Dialog::Load,
                 {"load", dialog_text::kLoadTitle, dialog_text::kLoadButton, dialog_text::kLoadSlotCaptions}, config,
                 files, messages, font) {
    for (int slot = SaveProcedure::kFirstSlot; slot <= SaveProcedure::kLastSlot; ++slot) {
        if (slotFileExists(slot)) slots_.push_back(slot);
    }
}

int LoadDialog::slotAt(int position) const {
    return position >= 1 && position <= count() ? slots_[static_cast<size_t>(position - 1)] : 0;
}

int LoadDialog::count() const { return static_cast<int>(slots_.size()); }

void LoadDialog::mainButton() {
    if (const int slot = slotAt(selected_); slot > 0) close(slot);
}

void LoadDialog::deleteButton() {
    const int slot = slotAt(selected_);
    if (slot == 0 || !messages_.question(dialog_text::kDeleteQuestion)) return;
    removeSlotFile(slot);
    close(-1);
}

}  // namespace morv
