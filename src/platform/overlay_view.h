// What of the window's own widgets is open over the game's frame.
#pragma once
#include <optional>
#include <string>

#include "platform/box_answer.h"
#include "platform/dialog_form.h"
#include "platform/menu_items.h"
#include "platform/pointer_position.h"

namespace morv {

// A message box as it shows.
struct BoxView {
    BoxKind kind = BoxKind::Notice;
    std::string caption;  // UTF-8
    std::string text;     // the message, or the input box's typed text
};

// The menu bar, its open drop-down menu, the popup menu, an open dialog and a
// message box over it, as they show over the frame; the real window and headless
// snapshots draw it alike.
struct OverlayView {
    bool menuBar = false;
    int openColumn = -1;                    // the bar's open drop-down menu
    std::optional<PointerPosition> popupAt; // the popup's top-left corner, in frame pixels
    MenuStates states;
    std::optional<DialogView> dialog;
    std::optional<BoxView> box;

    // True when something besides the bar itself is open.
    bool anythingOpen() const {
        return openColumn >= 0 || popupAt.has_value() || dialog.has_value() || box.has_value();
    }
};

}  // namespace morv
