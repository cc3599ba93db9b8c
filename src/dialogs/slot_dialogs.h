// The save dialog and the load dialog: five slot buttons beside a scroll bar.
#pragma once
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "dialogs/slot_picture.h"
#include "platform/dialog_form.h"

namespace morv {

class FileResolver;
class MessageBoxes;
class TextFont;
struct GameConfig;

// What both slot dialogs share: positions 1 to count, five of them on view from
// top + 1, the selected and the focused position (0 for none, or the dialog).
class SlotDialog : public DialogForm {
public:
    static constexpr int kVisible = 5;
    static constexpr int kDeleteButton = 1002;
    static constexpr int kScrollBar = kScrollBarControl;
    static constexpr int kCancelButton = 1006;

    DialogView view() override;
    void handle(const ControlEvent& event) override;
    bool closed() const override { return closed_; }
    std::string resultText() const override { return std::to_string(result_); }

    // The chosen slot, 0 for cancel, or (load dialog) -1 after a file was deleted.
    int result() const { return result_; }
    int top() const { return top_; }
    int selected() const { return selected_; }
    // The position whose button has the keyboard focus; 0 when the dialog has it.
    int focused() const { return focused_; }
    // The picture of the k-th visible button (0 to 4) as drawn now.
    const Surface& buttonPicture(int k);

protected:
    // The texts that tell the two dialogs apart.
    struct Texts {
        const char* name;  // in the trace
        const char* title;
        const char* mainButton;
        const char* const* slotCaptions;  // five
    };

    SlotDialog(SlotPainter::Dialog kind, const Texts& texts, const GameConfig& config, const FileResolver& files,
               MessageBoxes& messages, TextFont& font);
    ~SlotDialog() override;

    // The slot at a position (1-based), 0 past the list.
    virtual int slotAt(int position) const = 0;
    virtual int count() const = 0;
    virtual void mainButton() = 0;
    virtual void deleteButton() = 0;
    virtual int mainButtonId() const = 0;
    virtual int firstSlotButtonId() const = 0;

    void close(int result);
    bool slotFileExists(int slot) const;
    bool removeSlotFile(int slot);
    // The buttons are drawn again at the next look.
    void redraw() { drawn_ = false; }

    const FileResolver& files_;
    MessageBoxes& messages_;
    SlotPainter painter_;
    std::string saveDirectory_;
    int top_ = 0;
    int selected_ = 0;

private:
    void scroll(const ControlEvent& event);
    void drawButtons();

    Texts texts_;
    int focused_ = 0;
    int result_ = 0;
    bool closed_ = false;
    bool drawn_ = false;
    std::array<std::unique_ptr<Surface>, kVisible> pictures_;
};

// All 50 slots, empty or not; returns the slot to save into or 0.
class SaveDialog final : public SlotDialog {
public:
    static constexpr int kSaveButton = 1000;
    static constexpr int kFirstSlotButton = 10001;

    SaveDialog(const GameConfig& config, const FileResolver& files, MessageBoxes& messages, TextFont& font);

private:
    int slotAt(int position) const override;
    int count() const override;
    void mainButton() override;
    void deleteButton() override;
    int mainButtonId() const override { return kSaveButton; }
    int firstSlotButtonId() const override { return kFirstSlotButton; }
};

// The slots whose file exists, in ascending order; returns the slot to load, 0,
// or -1 after a file was deleted (open it again for the shorter list).
class LoadDialog final : public SlotDialog {
public:
    static constexpr int kLoadButton = 1014;
    static constexpr int kFirstSlotButton = 10006;

    LoadDialog(const GameConfig& config, const FileResolver& files, MessageBoxes& messages, TextFont& font);

    const std::vector<int>& slots() const { return slots_; }

private:
    int slotAt(int position) const override;
    int count() const override;
    void mainButton() override;
    void deleteButton() override;
    int mainButtonId() const override { return kLoadButton; }
    int firstSlotButtonId() const override { return kFirstSlotButton; }

    std::vector<int> slots_;
};

}  // namespace morv
