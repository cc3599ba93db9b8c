// The event loop that runs while a modal box is shown.
#pragma once
#include <functional>

#include "platform/box_answer.h"

namespace morv {

class SdlDisplay;
class SdlWindow;

// What the player did since the previous pass of a modal loop.
struct ModalInput {
    bool accept = false;          // Enter (held keys repeating do not count)
    bool cancel = false;          // Escape (likewise)
    bool closeRequested = false;  // the window's close box
    bool pressed = false;         // a mouse button went down
};

// The keys and close box of a pass as a box's buttons read them.
BoxInput boxInputFrom(const ModalInput& modal);

// Runs a modal loop over the last presented frame: every window event goes to
// Dear ImGui and `pass` draws its widgets each turn, until it returns true.
void runModal(SdlWindow& window, SdlDisplay& display, const std::function<bool(const ModalInput&)>& pass);

}  // namespace morv
