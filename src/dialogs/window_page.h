// The text window page of the settings sheet.
#pragma once
#include "config/game_config.h"
#include "dialogs/settings_page.h"

namespace morv {

// The window's two colours, the highlight colour, its transparency, gradation and frame.
class CWindowPage final : public SettingsPage {
public:
    static constexpr int kColor1 = 1037;
    static constexpr int kColor2 = 1038;
    static constexpr int kHighlight = 1039;
    static constexpr int kFirstTransparency = 20001;
    static constexpr int kFirstGradation = 20006;
    static constexpr int kFirstFrame = 20011;

    using SettingsPage::SettingsPage;

    void open() override;
    void controls(std::vector<DialogControl>& out) const override;
    void handle(const ControlEvent& event) override;
    void accept() override;

private:
    ConfigColor color1_ = 0;
    ConfigColor color2_ = 0;
    ConfigColor highlight_ = 0;
    int transparency_ = 0;
    int gradation_ = 0;
    int frame_ = 0;
};

}  // namespace morv
