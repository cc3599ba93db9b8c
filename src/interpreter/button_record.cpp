// Buttons of menu screens and choices.
#include "interpreter/button_record.h"

#include <utility>

#include "platform/cp949.h"

namespace morv {

ButtonAction buttonActionFromWord(const std::string& word) {
    static constexpr std::pair<const char*, ButtonAction> kWords[] = {
        {"END", ButtonAction::End},     {"LOADSNR", ButtonAction::LoadScenario}, {"LOAD", ButtonAction::Load},
        {"BGM", ButtonAction::Bgm},     {"EVENT", ButtonAction::Event},          {"MENU", ButtonAction::Menu},
        {"CLEAR", ButtonAction::Clear},
    };
    for (const auto& [text, action] : kWords) {
        if (cp949::equalsIgnoreCase(word, text)) return action;
    }
    return ButtonAction::End;
}

ButtonRecord imageButton(ButtonAction action, const std::string& target, const Rect& rect, const std::string& normal,
                         const std::string& hover, const std::string& pressed) {
    ButtonRecord button;
    button.kind = ButtonKind::Image;
    button.action = action;
    button.target = target;
    button.normalImage = normal;
    button.hoverImage = hover.empty() ? normal : hover;
    button.pressedImage = pressed.empty() ? normal : pressed;
    button.left = rect.left;
    button.top = rect.top;
    button.right = rect.right;
    button.bottom = rect.bottom;
    return button;
}

ButtonRecord textButton(ButtonAction action, const std::string& target, int x, int y, const std::string& text,
                        int width, int height) {
    ButtonRecord button;
    button.kind = ButtonKind::Text;
    button.action = action;
    button.target = target;
    button.left = x;
    button.top = y;
    button.right = x + width + 4;
    button.bottom = y + height + 2;
    button.text = text;
    return button;
}

ButtonRecord galleryButton(const Rect& rect, const std::string& image, bool seen) {
    ButtonRecord button = imageButton(ButtonAction::Clear, image, rect, image, image, image);
    button.kind = seen ? ButtonKind::GallerySeen : ButtonKind::GalleryNotSeen;
    return button;
}

}  // namespace morv
