// The widgets of a message box, as the real boxes and snapshots draw them.
#pragma once
#include <string>

#include "platform/box_answer.h"
#include "platform/overlay_view.h"

namespace morv {

// Opens a box centred on the display, captioned like the window; the caller
// draws the contents and closes it with ImGui::End.
void beginBox(const std::string& caption);
// The widest the contents of a box get.
float boxContentLimit();
// The text wrapped at the content limit; returns the width it takes.
float boxText(const std::string& text);
// The button row, right-aligned under content of the given width; notes which
// button was clicked.
void boxButtons(bool withCancel, float contentWidth, BoxInput& input);
// A whole box as it first shows, without interaction.
void drawBoxView(const BoxView& box);

}  // namespace morv
