// The message box port.
#pragma once
#include <optional>
#include <string>

namespace morv {

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
    // A list of the save slots 1 to 50 under the title; the chosen slot, or none.
    // Boxes without such a list cancel.
    virtual std::optional<int> chooseSlot(const std::string& /*title*/) { return std::nullopt; }
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
