// The font page of the settings sheet.
#pragma once
#include <string>
#include <vector>

#include "config/font_record.h"
#include "config/game_config.h"
#include "dialogs/settings_page.h"

namespace morv {

// The text font: face, size, bold, shadow, outline, italic, underline,
// strike-out and the text colour.
class CFontPage final : public SettingsPage {
public:
    static constexpr int kFaceList = 1050;
    static constexpr int kSizeSlider = 1048;
    static constexpr int kAntialiasingCheck = 1049;
    static constexpr int kBoldCheck = 1051;
    static constexpr int kShadowCheck = 1052;
    static constexpr int kOutlineCheck = 1053;
    static constexpr int kItalicCheck = 1054;
    static constexpr int kUnderlineCheck = 1055;
    static constexpr int kStrikeOutCheck = 1056;
    static constexpr int kColorSwatch = 1008;
    // The slider's position is minus the font height.
    static constexpr int kSliderMin = -34;
    static constexpr int kSliderMax = -14;

    // `faces` are the font families offered, CP949.
    CFontPage(GameConfig& config, MessageBoxes& messages, SettingsTarget target, std::vector<std::string> faces)
        : SettingsPage(config, messages, target), faces_(std::move(faces)) {}

    void open() override;
    void controls(std::vector<DialogControl>& out) const override;
    void handle(const ControlEvent& event) override;
    void accept() override;

    const FontRecord& font() const { return font_; }

private:
    int selectedFace() const;

    std::vector<std::string> faces_;
    FontRecord font_;
    bool shadow_ = false;
    bool outline_ = false;
    ConfigColor color_ = 0;
};

}  // namespace morv
