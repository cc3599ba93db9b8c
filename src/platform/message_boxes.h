// The message box port.
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/dialog_form.h"

namespace morv {

// The colour chooser's sixteen colours of the player's own (0x00RRGGBB), kept by its caller.
using CustomColors = std::array<uint32_t, 16>;

// Modal boxes shown to the player. Every text is UTF-8.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // An error or notice with an OK button.
    virtual void error(const std::string& text) = 0;
    // A question with OK and Cancel; true for OK.
    virtual bool question(const std::string& text) = 0;
    // A box with one text field and OK; returns the entered text.
    virtual std::string input(const std::string& title) = 0;
    // Shows the dialog and hands it the player's control events until it closes.
    // Boxes without dialogs cancel it.
    virtual void runDialog(DialogForm& form) {
        ControlEvent cancel;
        cancel.id = kCancelControl;
        form.handle(cancel);
    }
    // The colour chooser, starting from `initial` (0x00RRGGBB), with the caller's
    // custom colours, which the player may change; the chosen colour, or none
    // when cancelled.
    virtual std::optional<uint32_t> chooseColor(uint32_t /*initial*/, CustomColors& /*custom*/) {
        return std::nullopt;
    }
    // A box titled with the prompt, one text field, OK (which does nothing while
    // the field is empty) and Cancel; the entered text, or none when cancelled.
    virtual std::optional<std::string> askName(const std::string& /*prompt*/) { return std::nullopt; }
    // The save-file dialog: a listing of the current directory, a name field, the
    // filter (such as "비트맵 파일 (*.bmp)|*.bmp||") and a question before an existing
    // file is replaced. The chosen path (`defaultExtension` added to a name without
    // one), or none when cancelled. May change the current directory. Boxes
    // without such a dialog cancel.
    virtual std::optional<std::string> saveFileName(const std::string& /*defaultExtension*/,
                                                    const std::string& /*filter*/) {
        return std::nullopt;
    }
};

}  // namespace morv
