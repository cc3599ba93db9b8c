// Drawing message boxes with Dear ImGui.
#include "platform/sdl/imgui_box.h"

#include <imgui.h>

#include <algorithm>

#include "platform/sdl/imgui_glyphs.h"

namespace morv {

namespace {

constexpr const char* kOkLabel = "확인";
constexpr const char* kCancelLabel = "취소";
constexpr float kButtonWidth = 80.0f;
constexpr float kMaxTextWidth = 440.0f;

}  // namespace

void beginBox(const std::string& caption) {
    const ImGuiIO& io = ImGui::GetIO();
    ImGui::SetNextWindowPos(ImVec2(io.DisplaySize.x * 0.5f, io.DisplaySize.y * 0.5f), ImGuiCond_Always,
                            ImVec2(0.5f, 0.5f));
    ImGui::SetNextWindowFocus();
    std::string id = (caption.empty() ? std::string("MORV") : withGlyphs(caption)) + "###morv-box";
    ImGui::Begin(id.c_str(), nullptr,
                 ImGuiWindowFlags_NoResize | ImGuiWindowFlags_NoMove | ImGuiWindowFlags_NoCollapse |
                     ImGuiWindowFlags_AlwaysAutoResize | ImGuiWindowFlags_NoSavedSettings);
}

float boxContentLimit() { return std::min(kMaxTextWidth, ImGui::GetIO().DisplaySize.x * 0.8f); }

float boxText(const std::string& text) {
    float wrap = boxContentLimit();
    ImGui::PushTextWrapPos(ImGui::GetCursorPosX() + wrap);
    ImGui::TextUnformatted(withGlyphs(text).c_str(), text.c_str() + text.size());
    ImGui::PopTextWrapPos();
    ImGui::Spacing();
    return ImGui::CalcTextSize(text.c_str(), text.c_str() + text.size(), false, wrap).x;
}

// Aligned to the content rather than the box, so that the box can shrink to the next text.
void boxButtons(bool withCancel, float contentWidth, BoxInput& input) {
    const ImGuiStyle& style = ImGui::GetStyle();
    float rowWidth = withCancel ? kButtonWidth * 2 + style.ItemSpacing.x : kButtonWidth;
    if (contentWidth > rowWidth) ImGui::SetCursorPosX(ImGui::GetCursorPosX() + contentWidth - rowWidth);
    input.okClicked = ImGui::Button(withGlyphs(kOkLabel), ImVec2(kButtonWidth, 0));
    if (withCancel) {
        ImGui::SameLine();
        input.cancelClicked = ImGui::Button(withGlyphs(kCancelLabel), ImVec2(kButtonWidth, 0));
    }
}

void drawBoxView(const BoxView& box) {
    BoxInput ignored;
    beginBox(box.caption);
    float width = 0.0f;
    if (box.kind == BoxKind::Input) {
        width = boxContentLimit();
        std::string text = withGlyphs(box.text);
        ImGui::SetNextItemWidth(width);
        ImGui::InputText("##text", text.data(), text.size() + 1, ImGuiInputTextFlags_ReadOnly);
        ImGui::Spacing();
    } else {
        width = boxText(box.text);
    }
    boxButtons(box.kind == BoxKind::Question, width, ignored);
    ImGui::End();
}

}  // namespace morv
