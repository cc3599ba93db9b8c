// The menu bar, its drop-down menus and the popup menu drawn with Dear ImGui.
#pragma once
#include <optional>

#include "platform/menu_items.h"
#include "platform/overlay_view.h"

namespace morv {

// What the player did to the menus in one ImGui frame.
struct MenuPicks {
    int titleClicked = -1;          // a title of the bar with a drop-down menu
    std::optional<MenuItem> chosen;  // an enabled item, or the bar's own command
    bool pointerOnMenus = false;     // over the bar or an open menu
};

// Draws the bar (at the top of the display, when the view has it), its open
// drop-down menu and the popup (`popupX`, `popupY`: its top-left corner in
// display pixels) inside the current ImGui frame.
MenuPicks drawMenus(const OverlayView& view, float popupX, float popupY);

}  // namespace morv
