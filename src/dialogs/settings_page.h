// One page of the settings sheet.
#pragma once
#include <vector>

#include "config/game_config.h"
#include "dialogs/settings_target.h"
#include "platform/dialog_form.h"
#include "platform/message_boxes.h"

namespace morv {


// A page of the settings sheet: copies its values from the configuration when
// it opens, edits the copies by its controls' events, writes them back when the
// sheet is accepted.
class SettingsPage {
public:
    SettingsPage(GameConfig& config, MessageBoxes& messages, SettingsTarget target)
        : config_(config), messages_(messages), target_(target) {}
    virtual ~SettingsPage() = default;

    virtual void open() = 0;
    virtual void controls(std::vector<DialogControl>& out) const = 0;
    virtual void handle(const ControlEvent& event) = 0;
    virtual void accept() = 0;
    // The sheet was cancelled.
    virtual void cancel() {}

    bool modified() const { return modified_; }
    void clearModified() { modified_ = false; }

protected:
    void changed() { modified_ = true; }
    // The colour chooser from `color` (a configuration colour) with this page's custom
    // colours; true when a colour was chosen (the caller marks the page changed).
    bool chooseColor(ConfigColor& color);

    GameConfig& config_;
    MessageBoxes& messages_;
    SettingsTarget target_;

private:
    bool modified_ = false;
    // White until the player sets them; kept while the sheet is open.
    CustomColors customColors_ = filledCustomColors();
    static CustomColors filledCustomColors();
};

}  // namespace morv
