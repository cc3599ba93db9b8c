// The slot list and the save-file dialog drawn with Dear ImGui.
#include <SDL.h>
#include <imgui.h>
#include <imgui_stdlib.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "platform/save_file_dialog.h"
#include "platform/sdl/imgui_box.h"
#include "platform/sdl/imgui_glyphs.h"
#include "platform/sdl/modal_loop.h"
#include "platform/sdl/sdl_message_boxes.h"
#include "platform/sdl/sdl_window.h"

namespace fs = std::filesystem;

namespace morv {

namespace {

constexpr int kFirstSlot = 1;
constexpr int kLastSlot = 50;
constexpr float kListWidth = 420.0f;
constexpr float kListHeight = 260.0f;

// The directory's subdirectories, then its files that match the filter, each by name.
struct Listing {
    std::vector<std::string> directories;
    std::vector<std::string> files;
};

Listing listDirectory(const fs::path& directory, const FileFilter& filter) {
    Listing listing;
    std::error_code error;
    for (fs::directory_iterator it(directory, error), end; !error && it != end; it.increment(error)) {
        std::string name = it->path().filename().string();
        if (it->is_directory(error)) {
            listing.directories.push_back(name);
        } else if (std::any_of(filter.patterns.begin(), filter.patterns.end(),
                               [&](const std::string& pattern) { return matchesPattern(name, pattern); })) {
            listing.files.push_back(name);
        }
    }
    std::sort(listing.directories.begin(), listing.directories.end());
    std::sort(listing.files.begin(), listing.files.end());
    return listing;
}

}  // namespace

std::optional<int> SdlMessageBoxes::chooseSlot(const std::string& title) {
    if (!window_.exists()) return std::nullopt;
    std::optional<int> chosen;
    runModal(window_, display_, [&](const ModalInput& modal) {
        BoxInput input;
        window_.drawMenusStill();
        beginBox(title);
        ImGui::BeginChild("##slots", ImVec2(kListWidth * 0.5f, kListHeight), true);
        for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) {
            std::string label = "슬롯 " + std::to_string(slot);
            if (ImGui::Selectable(withGlyphs(label).c_str())) chosen = slot;
        }
        ImGui::EndChild();
        ImGui::Spacing();
        // Only a cancel button: a slot is chosen by clicking it.
        input.cancelClicked = ImGui::Button(withGlyphs("취소"), ImVec2(80.0f, 0.0f));
        ImGui::End();
        return chosen.has_value() || input.cancelClicked || modal.cancel || modal.closeRequested;
    });
    return chosen;
}

std::optional<std::string> SdlMessageBoxes::saveFileName(const std::string& defaultExtension,
                                                         const std::string& filter) {
    if (!window_.exists()) return std::nullopt;
    std::vector<FileFilter> filters = parseFileFilter(filter);
    if (filters.empty()) filters.push_back({"*", {"*"}});
    std::error_code error;
    fs::path directory = fs::current_path(error);
    std::string name;
    int filterIndex = 0;
    while (true) {
        Listing listing = listDirectory(directory, filters[static_cast<size_t>(filterIndex)]);
        bool accepted = false;
        bool cancelled = false;
        bool relist = false;
        SDL_StartTextInput();
        runModal(window_, display_, [&](const ModalInput& modal) {
            window_.drawMenusStill();
            beginBox("다른 이름으로 저장");
            ImGui::TextUnformatted(withGlyphs(directory.string()).c_str());
            ImGui::BeginChild("##files", ImVec2(kListWidth, kListHeight), true);
            if (directory.has_parent_path() && directory != directory.root_path() && ImGui::Selectable("[..]")) {
                directory = directory.parent_path();
                relist = true;
            }
            for (const std::string& entry : listing.directories) {
                if (ImGui::Selectable(("[" + withGlyphs(entry) + "]").c_str())) {
                    directory /= entry;
                    relist = true;
                }
            }
            for (const std::string& entry : listing.files) {
                if (ImGui::Selectable(withGlyphs(entry).c_str(), entry == name)) name = entry;
            }
            ImGui::EndChild();
            ImGui::SetNextItemWidth(kListWidth);
            withGlyphs(name);
            ImGui::InputText("##name", &name);
            ImGui::SetNextItemWidth(kListWidth);
            if (ImGui::BeginCombo("##filter", withGlyphs(filters[static_cast<size_t>(filterIndex)].label).c_str())) {
                for (size_t i = 0; i < filters.size(); ++i) {
                    if (ImGui::Selectable(withGlyphs(filters[i].label).c_str(), static_cast<int>(i) == filterIndex)) {
                        filterIndex = static_cast<int>(i);
                        relist = true;
                    }
                }
                ImGui::EndCombo();
            }
            ImGui::Spacing();
            BoxInput input;
            boxButtons(true, kListWidth, input);
            ImGui::End();
            accepted = (input.okClicked || modal.accept) && !name.empty();
            cancelled = input.cancelClicked || modal.cancel || modal.closeRequested;
            return accepted || cancelled || relist;
        });
        SDL_StopTextInput();
        if (cancelled) return std::nullopt;
        if (relist) continue;
        if (!accepted) return std::nullopt;
        fs::path chosen = directory / withDefaultExtension(name, defaultExtension);
        // Asked after the dialog closed; "no" brings the dialog back.
        if (fs::exists(chosen, error) && !question(overwriteQuestion(chosen.filename().string()))) continue;
        return chosen.string();
    }
}

}  // namespace morv
