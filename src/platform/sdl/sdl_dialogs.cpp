// Dialogs, the colour chooser and the name box drawn with Dear ImGui.
#include <SDL.h>
#include <imgui.h>
#include <imgui_stdlib.h>

#include <algorithm>
#include <cmath>

#include "platform/box_answer.h"
#include "platform/sdl/imgui_box.h"
#include "platform/sdl/imgui_dialog.h"
#include "platform/sdl/imgui_glyphs.h"
#include "platform/sdl/modal_loop.h"
#include "platform/sdl/sdl_message_boxes.h"
#include "platform/sdl/sdl_window.h"

namespace morv {

namespace {

ControlEvent cancelEvent() {
    ControlEvent cancel;
    cancel.id = kCancelControl;
    return cancel;
}

uint8_t channel(float value) { return static_cast<uint8_t>(std::lround(std::clamp(value, 0.0f, 1.0f) * 255.0f)); }

}  // namespace

// Each turn of the modal loop draws the view the dialog had after its last
// events; the player's events are handed over between turns, so that the boxes
// a dialog asks from run their own loops.
void SdlMessageBoxes::runDialog(DialogForm& form) {
    if (!window_.exists()) {
        form.handle(cancelEvent());
        return;
    }
    DialogWidgetState widgets;
    bool cursorKept = false;
    while (!form.closed()) {
        const DialogView view = form.view();
        DialogPictures pictures(window_.renderer());
        std::vector<ControlEvent> events;
        runModal(window_, display_, [&](const ModalInput& modal) {
            // The game's own pointer stays in use over the dialog and the boxes it asks.
            ImGui::GetIO().ConfigFlags |= ImGuiConfigFlags_NoMouseCursorChange;
            cursorKept = true;
            window_.drawMenusStill();
            drawDialogView(view, pictures, widgets, events);
            if (modal.cancel || modal.closeRequested) events.push_back(cancelEvent());
            return !events.empty();
        });
        if (events.empty()) events.push_back(cancelEvent());
        for (const ControlEvent& event : events) {
            if (form.closed()) break;
            form.handle(event);
        }
    }
    if (cursorKept) ImGui::GetIO().ConfigFlags &= ~ImGuiConfigFlags_NoMouseCursorChange;
}

// The picker, and under it the sixteen custom colours: a click takes one, a right
// click keeps the picker's colour in that place.
std::optional<uint32_t> SdlMessageBoxes::chooseColor(uint32_t initial, CustomColors& custom) {
    if (!window_.exists()) return std::nullopt;
    float color[3] = {static_cast<float>((initial >> 16) & 0xFF) / 255.0f,
                      static_cast<float>((initial >> 8) & 0xFF) / 255.0f, static_cast<float>(initial & 0xFF) / 255.0f};
    BoxAnswer answer = BoxAnswer::Pending;
    const std::string caption = window_.title();
    runModal(window_, display_, [&](const ModalInput& modal) {
        BoxInput input = boxInputFrom(modal);
        window_.drawMenusStill();
        beginBox(caption);
        ImGui::ColorPicker3("##color", color,
                            ImGuiColorEditFlags_NoSidePreview | ImGuiColorEditFlags_NoAlpha | ImGuiColorEditFlags_DisplayRGB);
        const float width = ImGui::GetItemRectSize().x;
        ImGui::Spacing();
        for (size_t i = 0; i < custom.size(); ++i) {
            if (i % 8 != 0) ImGui::SameLine(0.0f, 4.0f);
            ImGui::PushID(static_cast<int>(i));
            const uint32_t c = custom[i];
            const ImVec4 shown(static_cast<float>((c >> 16) & 0xFF) / 255.0f, static_cast<float>((c >> 8) & 0xFF) / 255.0f,
                               static_cast<float>(c & 0xFF) / 255.0f, 1.0f);
            if (ImGui::ColorButton("##custom", shown, ImGuiColorEditFlags_NoTooltip | ImGuiColorEditFlags_NoDragDrop,
                                   ImVec2(22.0f, 22.0f))) {
                color[0] = shown.x;
                color[1] = shown.y;
                color[2] = shown.z;
            }
            if (ImGui::IsItemClicked(ImGuiMouseButton_Right)) {
                custom[i] = static_cast<uint32_t>(channel(color[0])) << 16 |
                            static_cast<uint32_t>(channel(color[1])) << 8 | channel(color[2]);
            }
            ImGui::PopID();
        }
        ImGui::Spacing();
        boxButtons(true, width, input);
        ImGui::End();
        answer = boxAnswer(BoxKind::Question, input);
        return answer != BoxAnswer::Pending;
    });
    if (answer != BoxAnswer::Ok) return std::nullopt;
    return static_cast<uint32_t>(channel(color[0])) << 16 | static_cast<uint32_t>(channel(color[1])) << 8 |
           channel(color[2]);
}

std::optional<std::string> SdlMessageBoxes::askName(const std::string& prompt) {
    if (!window_.exists()) return std::nullopt;
    std::string text;
    bool focusField = true;
    BoxAnswer answer = BoxAnswer::Pending;
    SDL_StartTextInput();
    runModal(window_, display_, [&](const ModalInput& modal) {
        BoxInput input = boxInputFrom(modal);
        window_.drawMenusStill();
        beginBox(prompt);
        if (focusField) ImGui::SetKeyboardFocusHere();
        focusField = false;
        const float width = boxContentLimit();
        ImGui::SetNextItemWidth(width);
        withGlyphs(text);
        ImGui::InputText("##name", &text);
        ImGui::Spacing();
        boxButtons(true, width, input);
        ImGui::End();
        answer = boxAnswer(BoxKind::Question, input);
        // OK does nothing while the field is empty.
        if (answer == BoxAnswer::Ok && text.empty()) answer = BoxAnswer::Pending;
        return answer != BoxAnswer::Pending;
    });
    SDL_StopTextInput();
    if (answer != BoxAnswer::Ok) return std::nullopt;
    return text;
}

}  // namespace morv
