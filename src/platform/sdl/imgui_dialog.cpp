// Drawing a dialog's view with Dear ImGui.
#include "platform/sdl/imgui_dialog.h"

#include <SDL.h>
#include <imgui.h>
#include <imgui_stdlib.h>

#include <algorithm>
#include <charconv>

#include "platform/sdl/imgui_glyphs.h"

namespace morv {

namespace {

constexpr float kButtonWidth = 100.0f;
constexpr float kSliderWidth = 200.0f;
constexpr float kListWidth = 220.0f;
constexpr float kListHeight = 150.0f;
constexpr float kScrollBarWidth = 18.0f;

ImVec4 swatchColor(uint32_t rgb) {
    return ImVec4(static_cast<float>((rgb >> 16) & 0xFF) / 255.0f, static_cast<float>((rgb >> 8) & 0xFF) / 255.0f,
                  static_cast<float>(rgb & 0xFF) / 255.0f, 1.0f);
}

ControlEvent event(ControlEvent::Kind kind, int id, int value = 0) {
    ControlEvent e;
    e.kind = kind;
    e.id = id;
    e.value = value;
    return e;
}

ControlEvent scrollEvent(int id, int step, int position = 0) {
    ControlEvent e = event(ControlEvent::Kind::Scroll, id, step);
    e.position = position;
    return e;
}

int parsedNumber(const std::string& text, int fallback) {
    int value = fallback;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

// The up and down arrows around a vertical slider whose top is the first position.
void scrollBar(const DialogControl& c, DialogWidgetState& state, std::vector<ControlEvent>& events) {
    const ImGuiStyle& style = ImGui::GetStyle();
    const float arrow = ImGui::GetFrameHeight();
    const float height = std::max(static_cast<float>(c.height) - 2 * (arrow + style.ItemSpacing.y), arrow);
    const int last = std::max(c.maximum - c.page + 1, c.minimum);
    ImGui::BeginGroup();
    if (ImGui::ArrowButton("##up", ImGuiDir_Up)) events.push_back(scrollEvent(c.id, ControlEvent::LineUp));
    // The slider runs bottom to top; its value is turned so that the top is position 0.
    auto held = state.sliders.find(c.id);
    int turned = last - (held != state.sliders.end() ? held->second : c.value);
    if (ImGui::VSliderInt("##thumb", ImVec2(std::max(kScrollBarWidth, arrow), height), &turned, 0,
                          std::max(last - c.minimum, 0), "")) {
        state.sliders[c.id] = last - turned;
    }
    if (ImGui::IsItemDeactivated()) {
        if (auto moved = state.sliders.find(c.id); moved != state.sliders.end()) {
            events.push_back(scrollEvent(c.id, ControlEvent::Thumb, moved->second));
            state.sliders.erase(moved);
        }
    }
    if (ImGui::ArrowButton("##down", ImGuiDir_Down)) events.push_back(scrollEvent(c.id, ControlEvent::LineDown));
    ImGui::EndGroup();
}

// Widens the item just drawn to `width` pixels, so that what stands beside it lines up.
void padTo(int width) {
    const float used = ImGui::GetItemRectSize().x;
    if (width <= 0 || used >= static_cast<float>(width)) return;
    ImGui::SameLine(0.0f, 0.0f);
    ImGui::Dummy(ImVec2(static_cast<float>(width) - used, 1.0f));
}

void slider(const DialogControl& c, DialogWidgetState& state, std::vector<ControlEvent>& events) {
    auto held = state.sliders.find(c.id);
    int value = held != state.sliders.end() ? held->second : c.value;
    bool changed = false;
    if (c.vertical) {
        // A vertical slider has its minimum at the top; ImGui's has it at the bottom.
        ImGui::BeginGroup();
        if (!c.items.empty()) ImGui::TextUnformatted(withGlyphs(c.items.front()).c_str());
        int shown = c.minimum + c.maximum - value;
        changed = ImGui::VSliderInt("##slider", ImVec2(24.0f, c.height > 0 ? static_cast<float>(c.height) : 120.0f),
                                    &shown, c.minimum, c.maximum, "");
        value = c.minimum + c.maximum - shown;
        const bool released = ImGui::IsItemDeactivated();
        if (c.items.size() > 1) ImGui::TextUnformatted(withGlyphs(c.items.back()).c_str());
        ImGui::EndGroup();
        if (changed) state.sliders[c.id] = value;
        if (released) {
            if (auto moved = state.sliders.find(c.id); moved != state.sliders.end()) {
                events.push_back(event(ControlEvent::Kind::SliderRelease, c.id, moved->second));
                state.sliders.erase(moved);
            }
        }
        return;
    } else {
        ImGui::SetNextItemWidth(c.width > 0 ? static_cast<float>(c.width) : kSliderWidth);
        changed = ImGui::SliderInt("##slider", &value, c.minimum, c.maximum, "");
    }
    if (changed) state.sliders[c.id] = value;
    if (ImGui::IsItemDeactivated()) {
        if (auto moved = state.sliders.find(c.id); moved != state.sliders.end()) {
            events.push_back(event(ControlEvent::Kind::SliderRelease, c.id, moved->second));
            state.sliders.erase(moved);
        }
    }
}

void number(const DialogControl& c, DialogWidgetState& state, std::vector<ControlEvent>& events) {
    auto typed = state.numbers.find(c.id);
    std::string text = typed != state.numbers.end() ? typed->second : c.text;
    ImGui::SetNextItemWidth(90.0f);
    if (ImGui::InputText("##number", &text, ImGuiInputTextFlags_CharsDecimal)) state.numbers[c.id] = text;
    const auto send = [&](const std::string& value) {
        ControlEvent e = event(ControlEvent::Kind::Edit, c.id);
        e.text = value;
        events.push_back(e);
        state.numbers.erase(c.id);
    };
    if (ImGui::IsItemDeactivatedAfterEdit()) send(text);
    const int current = parsedNumber(text, 0);
    ImGui::SameLine(0.0f, 2.0f);
    if (ImGui::ArrowButton("##less", ImGuiDir_Down)) send(std::to_string(std::max(current - 1, c.minimum)));
    ImGui::SameLine(0.0f, 2.0f);
    if (ImGui::ArrowButton("##more", ImGuiDir_Up)) send(std::to_string(std::min(current + 1, c.maximum)));
}

void control(const DialogView& view, size_t index, DialogPictures& pictures, DialogWidgetState& state,
             std::vector<ControlEvent>& events) {
    const DialogControl& c = view.controls[index];
    if (c.sameLine) ImGui::SameLine();
    ImGui::PushID(static_cast<int>(index));
    ImGui::BeginDisabled(!c.enabled);
    switch (c.kind) {
        case DialogControl::Kind::Button:
            if (ImGui::Button(withGlyphs(c.caption).c_str(), ImVec2(c.width > 0 ? static_cast<float>(c.width) : kButtonWidth, 0))) {
                events.push_back(event(ControlEvent::Kind::Click, c.id));
            }
            break;
        case DialogControl::Kind::PictureButton: {
            SDL_Texture* texture = pictures.texture(index, c.picture);
            const ImVec2 size(static_cast<float>(c.picture.width), static_cast<float>(c.picture.height));
            if (ImGui::ImageButton(static_cast<ImTextureID>(texture), size, ImVec2(0, 0), ImVec2(1, 1), 0)) {
                events.push_back(event(ControlEvent::Kind::Click, c.id));
            }
            if (ImGui::IsItemHovered() && ImGui::IsMouseDoubleClicked(ImGuiMouseButton_Left)) {
                events.push_back(event(ControlEvent::Kind::DoubleClick, c.id));
            }
            break;
        }
        case DialogControl::Kind::ScrollBar:
            scrollBar(c, state, events);
            break;
        case DialogControl::Kind::Slider:
            slider(c, state, events);
            break;
        case DialogControl::Kind::Check: {
            bool checked = c.checked;
            if (ImGui::Checkbox(withGlyphs(c.caption).c_str(), &checked)) {
                events.push_back(event(ControlEvent::Kind::Check, c.id, checked ? 1 : 0));
            }
            padTo(c.width);
            break;
        }
        case DialogControl::Kind::Radio:
            if (ImGui::RadioButton(withGlyphs(c.caption).c_str(), c.checked)) events.push_back(event(ControlEvent::Kind::Click, c.id));
            break;
        case DialogControl::Kind::List: {
            const ImVec2 size(c.width > 0 ? static_cast<float>(c.width) : kListWidth,
                              c.height > 0 ? static_cast<float>(c.height) : kListHeight);
            if (ImGui::BeginListBox("##list", size)) {
                for (size_t i = 0; i < c.items.size(); ++i) {
                    ImGui::PushID(static_cast<int>(i));
                    if (ImGui::Selectable(withGlyphs(c.items[i]).c_str(), static_cast<int>(i) == c.value)) {
                        events.push_back(event(ControlEvent::Kind::Select, c.id, static_cast<int>(i)));
                    }
                    ImGui::PopID();
                }
                ImGui::EndListBox();
            }
            break;
        }
        case DialogControl::Kind::Number:
            number(c, state, events);
            break;
        case DialogControl::Kind::Swatch: {
            const ImVec2 size(c.width > 0 ? static_cast<float>(c.width) : 60.0f,
                              c.height > 0 ? static_cast<float>(c.height) : 40.0f);
            if (ImGui::ColorButton(c.caption.c_str(), swatchColor(c.color),
                                   ImGuiColorEditFlags_NoTooltip | ImGuiColorEditFlags_NoDragDrop, size)) {
                events.push_back(event(ControlEvent::Kind::Click, c.id));
            }
            break;
        }
        case DialogControl::Kind::Label:
            ImGui::AlignTextToFramePadding();
            ImGui::TextUnformatted(withGlyphs(c.caption).c_str());
            padTo(c.width);
            break;
        case DialogControl::Kind::Group:
            ImGui::Spacing();
            ImGui::TextUnformatted(withGlyphs(c.caption).c_str());
            ImGui::Separator();
            break;
    }
    ImGui::EndDisabled();
    ImGui::PopID();
}

bool isPicture(const DialogControl& c) { return c.kind == DialogControl::Kind::PictureButton; }

}  // namespace

DialogPictures::~DialogPictures() {
    for (auto& [index, texture] : textures_) SDL_DestroyTexture(texture);
}

SDL_Texture* DialogPictures::texture(size_t index, const RgbaPicture& picture) {
    auto found = textures_.find(index);
    if (found != textures_.end()) return found->second;
    SDL_Texture* texture = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGBA32, SDL_TEXTUREACCESS_STATIC,
                                             std::max(picture.width, 1), std::max(picture.height, 1));
    if (texture != nullptr && !picture.rgba.empty()) {
        SDL_UpdateTexture(texture, nullptr, picture.rgba.data(), picture.width * 4);
    }
    textures_[index] = texture;
    return texture;
}

void drawDialogView(const DialogView& view, DialogPictures& pictures, DialogWidgetState& state,
                    std::vector<ControlEvent>& events) {
    const ImGuiIO& io = ImGui::GetIO();
    ImGui::SetNextWindowPos(ImVec2(io.DisplaySize.x * 0.5f, io.DisplaySize.y * 0.5f), ImGuiCond_Always,
                            ImVec2(0.5f, 0.5f));
    ImGui::SetNextWindowFocus();
    const std::string id = withGlyphs(view.title) + "###morv-dialog-" + view.name;
    ImGui::Begin(id.c_str(), nullptr,
                 ImGuiWindowFlags_NoResize | ImGuiWindowFlags_NoMove | ImGuiWindowFlags_NoCollapse |
                     ImGuiWindowFlags_AlwaysAutoResize | ImGuiWindowFlags_NoSavedSettings);
    for (size_t i = 0; i < view.tabs.size(); ++i) {
        if (i > 0) ImGui::SameLine(0.0f, 2.0f);
        const bool front = static_cast<int>(i) == view.tab;
        if (front) ImGui::PushStyleColor(ImGuiCol_Button, ImGui::GetStyleColorVec4(ImGuiCol_ButtonActive));
        ImGui::PushID(static_cast<int>(i) + 0x7000);
        if (ImGui::Button(withGlyphs(view.tabs[i]).c_str()) && !front) {
            events.push_back(event(ControlEvent::Kind::Tab, 0, static_cast<int>(i)));
        }
        ImGui::PopID();
        if (front) ImGui::PopStyleColor();
    }
    if (!view.tabs.empty()) ImGui::Separator();
    for (size_t i = 0; i < view.controls.size(); ++i) {
        // A run of picture buttons is one column, so that what stands beside it stands beside them all.
        if (isPicture(view.controls[i])) {
            ImGui::BeginGroup();
            ImGui::PushStyleVar(ImGuiStyleVar_ItemSpacing, ImVec2(0, 0));
            int scrollId = 0;
            for (const DialogControl& c : view.controls) {
                if (c.kind == DialogControl::Kind::ScrollBar) scrollId = c.id;
            }
            while (i < view.controls.size() && isPicture(view.controls[i])) control(view, i++, pictures, state, events);
            --i;
            ImGui::PopStyleVar();
            ImGui::EndGroup();
            // The wheel over the slots scrolls them a line a notch.
            if (scrollId != 0 && ImGui::IsItemHovered() && io.MouseWheel != 0.0f) {
                events.push_back(scrollEvent(scrollId, io.MouseWheel > 0 ? ControlEvent::LineUp : ControlEvent::LineDown));
            }
            continue;
        }
        control(view, i, pictures, state, events);
    }
    ImGui::End();
}

}  // namespace morv
