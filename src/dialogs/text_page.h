// The text page of the settings sheet.
#pragma once
#include <array>

#include "config/game_config.h"
#include "dialogs/settings_page.h"

namespace morv {

// The speakers' text colours and the four text sliders.
class CTextPage final : public SettingsPage {
public:
    static constexpr int kCharacterList = 1041;
    static constexpr int kColorSwatch = 1043;
    static constexpr int kAddButton = 1045;
    static constexpr int kNoColorCheck = 1046;
    static constexpr int kTextSpeed = 1047;
    static constexpr int kAutoSpeed = 1048;
    static constexpr int kLineSpacing = 1049;
    static constexpr int kWindowMargin = 1050;
    static constexpr int kRemoveButton = 1051;
    static constexpr int kSliderMax = 10;

    using SettingsPage::SettingsPage;

    void open() override;
    void controls(std::vector<DialogControl>& out) const override;
    void handle(const ControlEvent& event) override;
    void accept() override;

    const std::array<CharacterColor, GameConfig::kCharacterColors>& entries() const { return entries_; }
    int selected() const { return selected_; }

private:
    // Entries before the first free one.
    int listed() const;
    void addCharacter();
    void removeCharacter();
    void chooseSelectedColor();

    std::array<CharacterColor, GameConfig::kCharacterColors> entries_;
    int selected_ = -1;
    int textSpeed_ = 0;
    int autoSpeed_ = 0;
    int lineSpacing_ = 0;
    int windowMargin_ = 0;
};

}  // namespace morv
