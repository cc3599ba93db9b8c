// Buttons of menu screens and choices, and the fixed-size lists that hold them.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "display/rect.h"

namespace morv {

enum class ButtonKind : uint8_t { Image = 0, Text = 1, GallerySeen = 2, GalleryNotSeen = 3 };

enum class ButtonAction : int32_t { End = 0, LoadScenario = 1, Load = 2, Bgm = 3, Event = 4, Menu = 5, Clear = 6 };

// The action a button script's word names (any case); any other word, the empty
// one included, ends the game.
ButtonAction buttonActionFromWord(const std::string& word);

// One button of a menu screen or one choice.
struct ButtonRecord {
    ButtonKind kind = ButtonKind::Image;
    ButtonAction action = ButtonAction::End;
    std::string target;  // line or scenario, button script, music file or image name
    std::string normalImage;
    std::string hoverImage;
    std::string pressedImage;
    // Screen pixels; right and bottom are outside the button.
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
    std::string text;

    bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    Rect rect() const { return {left, top, right, bottom}; }
};

// An image button; empty hover and pressed pictures are the normal one.
ButtonRecord imageButton(ButtonAction action, const std::string& target, const Rect& rect, const std::string& normal,
                         const std::string& hover, const std::string& pressed);
// A text button of a text `width` pixels wide in a font `height` pixels tall, at x, y.
ButtonRecord textButton(ButtonAction action, const std::string& target, int x, int y, const std::string& text,
                        int width, int height);
// A gallery button: its image was shown in play (seen) or not.
ButtonRecord galleryButton(const Rect& rect, const std::string& image, bool seen);

// A fixed number of buttons with the count in use and the hovered index (-1 none).
template <size_t Capacity>
struct ButtonList {
    static constexpr size_t kCapacity = Capacity;

    std::array<ButtonRecord, Capacity> buttons;
    size_t count = 0;
    int hover = -1;

    void clear() {
        count = 0;
        hover = -1;
    }
    bool full() const { return count >= Capacity; }
    void add(ButtonRecord button) { buttons[count++] = std::move(button); }
    const ButtonRecord& operator[](int index) const { return buttons[static_cast<size_t>(index)]; }
    // The first button (in the order added) under the point, or -1; kept as the hover.
    int hit(int x, int y) {
        hover = -1;
        for (size_t i = 0; i < count && hover < 0; ++i) {
            if (buttons[i].contains(x, y)) hover = static_cast<int>(i);
        }
        return hover;
    }
    // As hit; true when the hovered button changed.
    bool trackHover(int x, int y) {
        const int before = hover;
        return hit(x, y) != before;
    }
};

}  // namespace morv
