// Short ways to describe the controls of a dialog's view.
#include "dialogs/dialog_controls.h"

namespace morv::controls {

namespace {

DialogControl make(DialogControl::Kind kind, int id, const char* caption, bool enabled, bool sameLine) {
    DialogControl control;
    control.kind = kind;
    control.id = id;
    control.caption = caption;
    control.enabled = enabled;
    control.sameLine = sameLine;
    return control;
}

}  // namespace

DialogControl button(int id, const char* caption, bool sameLine, bool enabled) {
    return make(DialogControl::Kind::Button, id, caption, enabled, sameLine);
}

DialogControl radio(int id, const char* caption, bool checked, bool enabled, bool sameLine) {
    DialogControl control = make(DialogControl::Kind::Radio, id, caption, enabled, sameLine);
    control.checked = checked;
    return control;
}

DialogControl check(int id, const char* caption, bool checked, bool enabled, bool sameLine) {
    DialogControl control = make(DialogControl::Kind::Check, id, caption, enabled, sameLine);
    control.checked = checked;
    return control;
}

DialogControl slider(int id, int value, int minimum, int maximum, bool enabled, bool sameLine) {
    DialogControl control = make(DialogControl::Kind::Slider, id, "", enabled, sameLine);
    control.value = value;
    control.minimum = minimum;
    control.maximum = maximum;
    return control;
}

DialogControl label(const char* caption, bool enabled, bool sameLine) {
    return make(DialogControl::Kind::Label, 0, caption, enabled, sameLine);
}

DialogControl group(const char* caption) { return make(DialogControl::Kind::Group, 0, caption, true, false); }

DialogControl swatch(int id, const char* caption, ConfigColor color, int width, int height, bool sameLine) {
    DialogControl control = make(DialogControl::Kind::Swatch, id, caption, true, sameLine);
    control.color = swapRedBlue(color);
    control.width = width;
    control.height = height;
    return control;
}

DialogControl list(int id, std::vector<std::string> items, int selected) {
    DialogControl control = make(DialogControl::Kind::List, id, "", true, false);
    control.items = std::move(items);
    control.value = selected;
    return control;
}

DialogControl number(int id, const char* caption, int value, int minimum, int maximum, bool enabled) {
    DialogControl control = make(DialogControl::Kind::Number, id, caption, enabled, true);
    control.text = std::to_string(value);
    control.minimum = minimum;
    control.maximum = maximum;
    return control;
}

}  // namespace morv::controls
