#include "platform/sdl/sdl_message_boxes.h"

#include <SDL.h>
#include <imgui.h>
#include <imgui_stdlib.h>

#include <algorithm>
#include <cstdio>

#include "platform/sdl/modal_loop.h"
#include "platform/sdl/sdl_window.h"

namespace morv {

namespace {

constexpr const char* kOkLabel = "확인";
constexpr const char* kCancelLabel = "취소";
constexpr float kButtonWidth = 80.0f;
constexpr float kMaxTextWidth = 440.0f;

enum class Answer { None, Ok, Cancel };

// Opens a box centred on the window, captioned like it; the caller draws the
// contents and closes it with ImGui::End.
void beginBox(const std::string& caption) {
    const ImGuiIO& io = ImGui::GetIO();
    ImGui::SetNextWindowPos(ImVec2(io.DisplaySize.x * 0.5f, io.DisplaySize.y * 0.5f), ImGuiCond_Always,
                            ImVec2(0.5f, 0.5f));
    ImGui::SetNextWindowFocus();
    std::string id = (caption.empty() ? std::string("MORV") : caption) + "###morv-box";
    ImGui::Begin(id.c_str(), nullptr,
                 ImGuiWindowFlags_NoResize | ImGuiWindowFlags_NoMove | ImGuiWindowFlags_NoCollapse |
                     ImGuiWindowFlags_AlwaysAutoResize | ImGuiWindowFlags_NoSavedSettings);
}

void boxText(const std::string& text) {
    float wrap = std::min(kMaxTextWidth, ImGui::GetIO().DisplaySize.x * 0.8f);
    ImGui::PushTextWrapPos(ImGui::GetCursorPosX() + wrap);
    ImGui::TextUnformatted(text.c_str(), text.c_str() + text.size());
    ImGui::PopTextWrapPos();
    ImGui::Spacing();
}

// The button row, right-aligned; the answer of a clicked button.
Answer boxButtons(bool withCancel) {
    const ImGuiStyle& style = ImGui::GetStyle();
    float rowWidth = withCancel ? kButtonWidth * 2 + style.ItemSpacing.x : kButtonWidth;
    float start = ImGui::GetWindowContentRegionMax().x - rowWidth;
    if (start > ImGui::GetCursorPosX()) ImGui::SetCursorPosX(start);
    Answer answer = Answer::None;
    if (ImGui::Button(kOkLabel, ImVec2(kButtonWidth, 0))) answer = Answer::Ok;
    if (withCancel) {
        ImGui::SameLine();
        if (ImGui::Button(kCancelLabel, ImVec2(kButtonWidth, 0))) answer = Answer::Cancel;
    }
    return answer;
}

}  // namespace

void SdlMessageBoxes::error(const std::string& text) {
    if (!window_.exists()) {
        std::fprintf(stderr, "%s\n", text.c_str());
        return;
    }
    std::string caption = window_.title();
    runModal(window_, display_, [&](const ModalInput& input) {
        beginBox(caption);
        boxText(text);
        Answer answer = boxButtons(false);
        ImGui::End();
        // An OK-only box takes every way of closing it as OK.
        return answer == Answer::Ok || input.accept || input.cancel || input.closeRequested;
    });
}

bool SdlMessageBoxes::question(const std::string& text) {
    if (!window_.exists()) {
        std::fprintf(stderr, "%s (cancelled: no window)\n", text.c_str());
        return false;
    }
    std::string caption = window_.title();
    Answer result = Answer::None;
    runModal(window_, display_, [&](const ModalInput& input) {
        beginBox(caption);
        boxText(text);
        result = boxButtons(true);
        ImGui::End();
        if (input.accept) result = Answer::Ok;
        if (input.cancel || input.closeRequested) result = Answer::Cancel;
        return result != Answer::None;
    });
    return result == Answer::Ok;
}

std::string SdlMessageBoxes::input(const std::string& title) {
    if (!window_.exists()) return {};
    std::string text;
    bool focusField = true;
    SDL_StartTextInput();
    runModal(window_, display_, [&](const ModalInput& input) {
        beginBox(title);
        if (focusField) ImGui::SetKeyboardFocusHere();
        focusField = false;
        ImGui::SetNextItemWidth(std::min(kMaxTextWidth, ImGui::GetIO().DisplaySize.x * 0.8f));
        // Escape makes the field throw its edit away; the box keeps what was typed.
        std::string typed = text;
        ImGui::InputText("##text", &text);
        ImGui::Spacing();
        Answer answer = boxButtons(false);
        ImGui::End();
        if (input.cancel || input.closeRequested) {
            text = typed;
            return true;
        }
        return answer == Answer::Ok || input.accept;
    });
    SDL_StopTextInput();
    return text;
}

}  // namespace morv
