// A modal dialog as the platform shows it: its controls, and the control events it takes.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/rgba_picture.h"

namespace morv {

// What the player did to one control, named by the control's id.
struct ControlEvent {
    enum class Kind {
        Click,          // a button, radio button or swatch
        DoubleClick,    // a slot button
        Scroll,         // the scroll bar: value is a ScrollStep, or the thumb's position for Thumb
        SliderRelease,  // a slider let go at value
        Check,          // a check box set to value (1 ticked, 0 not)
        Select,         // a list's entry at index value
        Edit,           // a number field's text
        Tab,            // the sheet's page at index value
    };
    enum ScrollStep { LineUp = 0, LineDown = 1, PageUp = 2, PageDown = 3, Thumb = 4 };

    Kind kind = Kind::Click;
    int id = 0;
    int value = 0;
    int position = 0;  // the thumb's position for Scroll/Thumb
    std::string text;  // UTF-8
};

// Escape, the close box and a dialog's "취소" send this id.
inline constexpr int kCancelControl = 2;
// The id of a dialog's scroll bar (dialogs have one at most).
inline constexpr int kScrollBarControl = 1004;

// One control as it shows. Texts are UTF-8.
struct DialogControl {
    enum class Kind {
        Button,         // caption, enabled
        PictureButton,  // picture, focused (its frame is in the picture)
        ScrollBar,      // value (top), minimum, maximum, page
        Slider,         // value, minimum, maximum, vertical (minimum at the top; items: the words at its ends)
        Check,          // caption, checked, enabled
        Radio,          // caption, checked, enabled
        List,           // items, value (selected index, -1 none)
        Number,         // caption, text, enabled, minimum, maximum
        Swatch,         // caption, color (0x00RRGGBB)
        Label,          // caption, enabled, width
        Group,          // a group's title; the controls after it belong to it
    };
    Kind kind = Kind::Label;
    int id = 0;
    std::string caption;
    bool enabled = true;
    bool checked = false;
    bool focused = false;
    bool vertical = false;
    bool sameLine = false;  // beside the control before it rather than under it
    int value = 0;
    int minimum = 0;
    int maximum = 0;
    int page = 0;
    int width = 0;  // pixels; 0 lets the view choose
    int height = 0;
    uint32_t color = 0;
    std::string text;
    std::vector<std::string> items;
    RgbaPicture picture;
};

// A dialog's whole face: its caption, its pages' tab captions (none for a plain
// dialog) with the one in front, and the controls on view in reading order.
struct DialogView {
    std::string name;  // the trace's name of the dialog ("save", "load", "settings")
    std::string title;
    std::vector<std::string> tabs;
    int tab = 0;
    std::vector<DialogControl> controls;
};

// A modal dialog's state: the platform shows its view and hands it the player's
// control events until it closes.
class DialogForm {
public:
    virtual ~DialogForm() = default;
    virtual DialogView view() = 0;
    virtual void handle(const ControlEvent& event) = 0;
    virtual bool closed() const = 0;
    // The outcome as the trace writes it ("2", "0", "-1", "ok", "cancel").
    virtual std::string resultText() const = 0;
};

}  // namespace morv
