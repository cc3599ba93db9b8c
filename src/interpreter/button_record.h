// One button of a menu screen or one choice.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace morv {

enum class ButtonKind : uint8_t { Image = 0, Text = 1, GallerySeen = 2, GalleryNotSeen = 3 };

enum class ButtonAction : int32_t { End = 0, LoadScenario = 1, Load = 2, Bgm = 3, Event = 4, Menu = 5, Clear = 6 };

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
};

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
};

}  // namespace morv
