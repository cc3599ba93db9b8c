// The game window's menu bar and popup menu: item ids, order and texts.
#pragma once
#include <map>
#include <optional>
#include <span>
#include <string>

namespace morv {

// A stable number per menu item, as menu command events and headless event files
// carry them. The bar's three drop-down menus have numbers too: choosing one opens it.
enum class MenuItem : int {
    None = 0,
    // The menu bar's drop-down menus.
    DisplayMenu = 1,   // "화면 사이즈(&S)"
    SettingsMenu = 2,  // "설정(&C)"
    HelpMenu = 3,      // "도움말(&H)"
    // The popup menu.
    SaveGame = 32771,
    LoadGame = 32772,
    ToggleTextWindow = 32773,
    PopupReadTextFast = 32774,
    AutoPlay = 32775,
    ReviewBack = 32776,
    PreviousChoice = 32777,
    Restart = 32778,
    CaptureScreen = 32779,
    // The menu bar.
    FullScreen = 32801,
    Windowed = 32802,
    Bgm = 32803,
    SoundEffects = 32804,
    Voice = 32805,
    MouseTracking = 32806,
    ReadTextFast = 32807,
    WindowPage = 32808,
    TextPage = 32809,
    FontPage = 32810,
    SoundPage = 32811,
    OtherPage = 32812,
    Exit = 32813,
    Help = 32814,
    About = 32815,
};

// One line of a menu; MenuItem::None is a separator.
struct MenuEntry {
    MenuItem item;
    const char* text;  // UTF-8, "&" before the mnemonic letter
};

// One title of the menu bar: a drop-down menu, or a command of its own when `entries` is empty.
struct MenuColumn {
    MenuItem item;
    const char* text;
    std::span<const MenuEntry> entries;
};

// The menu bar, left to right.
std::span<const MenuColumn> menuBarColumns();
// The popup menu, top to bottom.
std::span<const MenuEntry> popupEntries();

// Where an id sits in the menus.
enum class MenuPlace { Nowhere, BarTitle, BarEntry, Popup };
MenuPlace menuPlace(MenuItem item);
// The index of the bar title `item` opens, or of the title whose menu holds `item`.
std::optional<int> barColumnOf(MenuItem item);

// The text as the menus show it: the "&" mnemonic marks dropped ("&&" stays one "&").
std::string menuLabel(const char* text);

// Tick marks and enabled states, refreshed each time a menu opens.
struct MenuItemState {
    bool checked = false;
    bool enabled = true;
};

// Items not set are enabled and unticked.
class MenuStates {
public:
    MenuItemState& operator[](MenuItem item) { return states_[item]; }
    MenuItemState get(MenuItem item) const {
        auto found = states_.find(item);
        return found == states_.end() ? MenuItemState{} : found->second;
    }

private:
    std::map<MenuItem, MenuItemState> states_;
};

}  // namespace morv
