// Taking changed text-window, text and font settings into use.
#include "display/screen.h"

namespace morv {

void Screen::applyTextSettings(bool newFont) {
    if (newFont) {
        textRenderer_->resetFont();
        textRenderer_->resetTextColor();
    }
    // A window that is away stays away; it comes back built from the new settings.
    if (windowHiddenByPlayer_ || textWindowHidden()) {
        textWindow_->rebuildFromConfiguration();
        return;
    }
    WindowCanvas canvas = textCanvas();
    textRenderer_->redrawPage(canvas, *textWindow_, true);
    present();
}

}  // namespace morv
