// The menu bar and popup menu tables.
#include "platform/menu_items.h"

namespace morv {

namespace {

constexpr MenuEntry kDisplayEntries[] = {
    {MenuItem::FullScreen, "풀스크린 (&F)"},
    {MenuItem::Windowed, "윈도우 (&W)"},
};

constexpr MenuEntry kSettingsEntries[] = {
    {MenuItem::Bgm, "BGM (&B)"},
    {MenuItem::SoundEffects, "효과음 (&E)"},
    {MenuItem::Voice, "음성 (V)"},
    {MenuItem::None, ""},
    {MenuItem::MouseTracking, "마우스추적 (&M)"},
    {MenuItem::ReadTextFast, "읽은 문장은 빠르게 (&K)"},
    {MenuItem::None, ""},
    {MenuItem::WindowPage, "대사창 설정 (&W)..."},
    {MenuItem::TextPage, "텍스트 설정 (&T)..."},
    {MenuItem::FontPage, "문자 폰트 (&F)..."},
    {MenuItem::SoundPage, "사운드 설정 (&S)..."},
    {MenuItem::OtherPage, "기타 설정 (&Y)..."},
};

constexpr MenuEntry kHelpEntries[] = {
    {MenuItem::Help, "도움말 (&H)"},
    {MenuItem::None, ""},
    {MenuItem::About, "MORV 버전 정보 (&A)"},
};

constexpr MenuColumn kBar[] = {
    {MenuItem::DisplayMenu, "화면 사이즈(&S)", kDisplayEntries},
    {MenuItem::SettingsMenu, "설정(&C)", kSettingsEntries},
    {MenuItem::Exit, "종료(&X)", {}},
    {MenuItem::HelpMenu, "도움말(&H)", kHelpEntries},
};

constexpr MenuEntry kPopup[] = {
    {MenuItem::ToggleTextWindow, "대사창 표시/숨김(&H)"},
    {MenuItem::PopupReadTextFast, "읽은 문장은 빠르게(&K)"},
    {MenuItem::AutoPlay, "자동게임진행(&A)"},
    {MenuItem::ReviewBack, "지난 문장 보기(&B)"},
    {MenuItem::PreviousChoice, "이전 선택지로(&P)"},
    {MenuItem::None, ""},
    {MenuItem::SaveGame, "게임 저장(&S)"},
    {MenuItem::LoadGame, "게임 로드(&L)"},
    {MenuItem::Restart, "MORV 재시작(&R)"},
    {MenuItem::None, ""},
    {MenuItem::CaptureScreen, "현재화면저장(&C)"},
};

}  // namespace

std::span<const MenuColumn> menuBarColumns() { return kBar; }
std::span<const MenuEntry> popupEntries() { return kPopup; }

std::optional<int> barColumnOf(MenuItem item) {
    for (size_t column = 0; column < std::size(kBar); ++column) {
        if (kBar[column].item == item) return static_cast<int>(column);
        for (const MenuEntry& entry : kBar[column].entries) {
            if (entry.item == item) return static_cast<int>(column);
        }
    }
    return std::nullopt;
}

MenuPlace menuPlace(MenuItem item) {
    if (item == MenuItem::None) return MenuPlace::Nowhere;
    for (const MenuEntry& entry : kPopup) {
        if (entry.item == item) return MenuPlace::Popup;
    }
    for (const MenuColumn& column : kBar) {
        // The bar's own command item counts as an entry: choosing it acts at once.
        if (column.item == item) return column.entries.empty() ? MenuPlace::BarEntry : MenuPlace::BarTitle;
        for (const MenuEntry& entry : column.entries) {
            if (entry.item == item) return MenuPlace::BarEntry;
        }
    }
    return MenuPlace::Nowhere;
}

std::string menuLabel(const char* text) {
    std::string label;
    for (const char* p = text; *p != '\0'; ++p) {
        if (*p == '&') {
            if (p[1] != '&') continue;
            ++p;
        }
        label.push_back(*p);
    }
    return label;
}

}  // namespace morv
