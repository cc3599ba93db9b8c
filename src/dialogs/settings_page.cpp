// What every settings page shares: the colour chooser with the page's own custom colours.
#include "dialogs/settings_page.h"

#include "dialogs/dialog_controls.h"

namespace morv {

CustomColors SettingsPage::filledCustomColors() {
    CustomColors colors;
    colors.fill(0xFFFFFF);
    return colors;
}

bool SettingsPage::chooseColor(ConfigColor& color) {
    std::optional<uint32_t> chosen = messages_.chooseColor(controls::swapRedBlue(color), customColors_);
    if (!chosen) return false;
    color = controls::swapRedBlue(*chosen);
    return true;
}

}  // namespace morv
