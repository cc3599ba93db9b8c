// Message boxes drawn with Dear ImGui.
#include "platform/sdl/sdl_message_boxes.h"

#include <SDL.h>
#include <imgui.h>
#include <imgui_stdlib.h>

#include <algorithm>
#include <cstdio>

#include "platform/box_answer.h"
#include "platform/sdl/modal_loop.h"
#include "platform/sdl/sdl_window.h"

namespace morv {

namespace {

constexpr const char* kOkLabel = "확인";
constexpr const char* kCancelLabel = "취소";
constexpr float kButtonWidth = 80.0f;
constexpr float kMaxTextWidth = 440.0f;

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

float contentLimit() { return std::min(kMaxTextWidth, ImGui::GetIO().DisplaySize.x * 0.8f); }

// The text wrapped at the content limit; returns the width it takes.
float boxText(const std::string& text) {
    float wrap = contentLimit();
    ImGui::PushTextWrapPos(ImGui::GetCursorPosX() + wrap);
    ImGui::TextUnformatted(text.c_str(), text.c_str() + text.size());
    ImGui::PopTextWrapPos();
    ImGui::Spacing();
    return ImGui::CalcTextSize(text.c_str(), text.c_str() + text.size(), false, wrap).x;
}

// The button row, right-aligned under content of the given width; notes which
// button was clicked. Aligned to the content rather than the box, so that the
// box can shrink to the next text.
void boxButtons(bool withCancel, float contentWidth, BoxInput& input) {
    const ImGuiStyle& style = ImGui::GetStyle();
    float rowWidth = withCancel ? kButtonWidth * 2 + style.ItemSpacing.x : kButtonWidth;
    if (contentWidth > rowWidth) ImGui::SetCursorPosX(ImGui::GetCursorPosX() + contentWidth - rowWidth);
    input.okClicked = ImGui::Button(kOkLabel, ImVec2(kButtonWidth, 0));
    if (withCancel) {
        ImGui::SameLine();
        input.cancelClicked = ImGui::Button(kCancelLabel, ImVec2(kButtonWidth, 0));
    }
}

BoxInput boxInputFrom(const ModalInput& modal) {
    BoxInput input;
    input.enter = modal.accept;
    input.escape = modal.cancel;
    input.closeRequested = modal.closeRequested;
    return input;
}

}  // namespace

void SdlMessageBoxes::error(const std::string& text) {
    if (!window_.exists()) {
        std::fprintf(stderr, "%s\n", text.c_str());
        return;
    }
    std::string caption = window_.title();
    runModal(window_, display_, [&](const ModalInput& modal) {
        BoxInput input = boxInputFrom(modal);
        beginBox(caption);
        float width = boxText(text);
        boxButtons(false, width, input);
        ImGui::End();
        return boxAnswer(BoxKind::Notice, input) != BoxAnswer::Pending;
    });
}

bool SdlMessageBoxes::question(const std::string& text) {
    if (!window_.exists()) {
        std::fprintf(stderr, "%s (cancelled: no window)\n", text.c_str());
        return false;
    }
    std::string caption = window_.title();
    BoxAnswer answer = BoxAnswer::Pending;
    runModal(window_, display_, [&](const ModalInput& modal) {
        BoxInput input = boxInputFrom(modal);
        beginBox(caption);
        float width = boxText(text);
        boxButtons(true, width, input);
        ImGui::End();
        answer = boxAnswer(BoxKind::Question, input);
        return answer != BoxAnswer::Pending;
    });
    return answer == BoxAnswer::Ok;
}

std::string SdlMessageBoxes::input(const std::string& title) {
    if (!window_.exists()) return {};
    std::string text;
    bool focusField = true;
    SDL_StartTextInput();
    runModal(window_, display_, [&](const ModalInput& modal) {
        BoxInput input = boxInputFrom(modal);
        beginBox(title);
        if (focusField) ImGui::SetKeyboardFocusHere();
        focusField = false;
        float width = contentLimit();
        ImGui::SetNextItemWidth(width);
        // Escape makes the field throw its edit away; the box keeps what was typed.
        std::string typed = text;
        ImGui::InputText("##text", &text);
        if (input.escape || input.closeRequested) text = typed;
        ImGui::Spacing();
        boxButtons(false, width, input);
        ImGui::End();
        return boxAnswer(BoxKind::Input, input) != BoxAnswer::Pending;
    });
    SDL_StopTextInput();
    return text;
}

}  // namespace morv
