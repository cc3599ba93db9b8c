// Drawing the menus with Dear ImGui.
#include "platform/sdl/imgui_menus.h"

#include <imgui.h>

#include <span>
#include <string>
#include <vector>

#include "platform/window_system.h"

namespace morv {

namespace {

constexpr ImGuiWindowFlags kMenuWindowFlags = ImGuiWindowFlags_NoDecoration | ImGuiWindowFlags_NoMove |
                                              ImGuiWindowFlags_NoSavedSettings | ImGuiWindowFlags_AlwaysAutoResize |
                                              ImGuiWindowFlags_NoFocusOnAppearing;

void dropDown(const char* id, ImVec2 at, std::span<const MenuEntry> entries, const MenuStates& states,
              MenuPicks& picks) {
    ImGui::SetNextWindowPos(at);
    ImGui::Begin(id, nullptr, kMenuWindowFlags);
    for (const MenuEntry& entry : entries) {
        if (entry.item == MenuItem::None) {
            ImGui::Separator();
            continue;
        }
        MenuItemState state = states.get(entry.item);
        std::string label = menuLabel(entry.text);
        if (ImGui::MenuItem(label.c_str(), nullptr, state.checked, state.enabled)) picks.chosen = entry.item;
    }
    if (ImGui::IsWindowHovered()) picks.pointerOnMenus = true;
    ImGui::End();
}

}  // namespace

MenuPicks drawMenus(const OverlayView& view, float popupX, float popupY) {
    MenuPicks picks;
    std::span<const MenuColumn> columns = menuBarColumns();
    std::vector<float> titleX(columns.size(), 0.0f);
    if (view.menuBar) {
        const float height = static_cast<float>(WindowSystem::kMenuBarHeight);
        ImGui::SetNextWindowPos(ImVec2(0.0f, 0.0f));
        ImGui::SetNextWindowSize(ImVec2(ImGui::GetIO().DisplaySize.x, height));
        ImGui::PushStyleVar(ImGuiStyleVar_WindowPadding, ImVec2(4.0f, (height - ImGui::GetFontSize()) * 0.5f));
        ImGui::PushStyleVar(ImGuiStyleVar_WindowRounding, 0.0f);
        ImGui::PushStyleVar(ImGuiStyleVar_WindowBorderSize, 0.0f);
        ImGui::PushStyleVar(ImGuiStyleVar_ItemSpacing, ImVec2(14.0f, 0.0f));
        ImGui::PushStyleVar(ImGuiStyleVar_WindowMinSize, ImVec2(1.0f, 1.0f));
        ImGui::PushStyleColor(ImGuiCol_WindowBg, ImGui::GetStyleColorVec4(ImGuiCol_MenuBarBg));
        ImGui::Begin("##menu-bar", nullptr,
                     ImGuiWindowFlags_NoDecoration | ImGuiWindowFlags_NoMove | ImGuiWindowFlags_NoSavedSettings |
                         ImGuiWindowFlags_NoFocusOnAppearing | ImGuiWindowFlags_NoBringToFrontOnFocus);
        for (size_t i = 0; i < columns.size(); ++i) {
            if (i > 0) ImGui::SameLine();
            std::string label = menuLabel(columns[i].text);
            titleX[i] = ImGui::GetCursorScreenPos().x;
            bool open = view.openColumn == static_cast<int>(i);
            if (ImGui::Selectable(label.c_str(), open, 0, ImGui::CalcTextSize(label.c_str()))) {
                if (columns[i].entries.empty()) {
                    picks.chosen = columns[i].item;
                } else {
                    picks.titleClicked = static_cast<int>(i);
                }
            }
        }
        if (ImGui::IsWindowHovered()) picks.pointerOnMenus = true;
        ImGui::End();
        ImGui::PopStyleColor();
        ImGui::PopStyleVar(5);
        if (view.openColumn >= 0 && view.openColumn < static_cast<int>(columns.size())) {
            const MenuColumn& column = columns[static_cast<size_t>(view.openColumn)];
            dropDown("##menu-drop-down", ImVec2(titleX[static_cast<size_t>(view.openColumn)] - 4.0f, height),
                     column.entries, view.states, picks);
        }
    }
    if (view.popupAt) dropDown("##menu-popup", ImVec2(popupX, popupY), popupEntries(), view.states, picks);
    return picks;
}

}  // namespace morv
