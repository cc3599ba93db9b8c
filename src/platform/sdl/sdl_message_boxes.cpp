// Message boxes drawn with Dear ImGui.
#include "platform/sdl/sdl_message_boxes.h"

#include <SDL.h>
#include <imgui.h>
#include <imgui_stdlib.h>

#include <algorithm>
#include <cstdio>

#include "platform/box_answer.h"
#include "platform/sdl/imgui_box.h"
#include "platform/sdl/imgui_glyphs.h"
#include "platform/sdl/modal_loop.h"
#include "platform/sdl/sdl_window.h"

namespace morv {

void SdlMessageBoxes::error(const std::string& text) {
    if (!window_.exists()) {
        std::fprintf(stderr, "%s\n", text.c_str());
        return;
    }
    std::string caption = window_.title();
    runModal(window_, display_, [&](const ModalInput& modal) {
        BoxInput input = boxInputFrom(modal);
        window_.drawMenusStill();
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
        window_.drawMenusStill();
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
        window_.drawMenusStill();
        beginBox(title);
        if (focusField) ImGui::SetKeyboardFocusHere();
        focusField = false;
        float width = boxContentLimit();
        ImGui::SetNextItemWidth(width);
        // Escape makes the field throw its edit away; the box keeps what was typed.
        std::string typed = text;
        withGlyphs(text);
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
