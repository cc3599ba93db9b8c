// Short ways to describe the controls of a dialog's view.
#pragma once
#include <string>
#include <vector>

#include "config/game_config.h"
#include "platform/dialog_form.h"

namespace morv::controls {

DialogControl button(int id, const char* caption, bool sameLine = false, bool enabled = true);
DialogControl radio(int id, const char* caption, bool checked, bool enabled = true, bool sameLine = true);
DialogControl check(int id, const char* caption, bool checked, bool enabled = true, bool sameLine = false);
DialogControl slider(int id, int value, int minimum, int maximum, bool enabled = true, bool sameLine = true);
DialogControl label(const char* caption, bool enabled = true, bool sameLine = false);
DialogControl group(const char* caption);
// A colour swatch of a configuration colour (red in the low byte).
DialogControl swatch(int id, const char* caption, ConfigColor color, int width, int height, bool sameLine = false);
DialogControl list(int id, std::vector<std::string> items, int selected);
DialogControl number(int id, const char* caption, int value, int minimum, int maximum, bool enabled = true);

// Between the chooser's 0x00RRGGBB and the configuration's order.
constexpr uint32_t swapRedBlue(uint32_t color) {
    return (color & 0xFF) << 16 | (color & 0xFF00) | ((color >> 16) & 0xFF);
}

}  // namespace morv::controls
