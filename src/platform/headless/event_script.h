// The timed events a headless run plays to the engine.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace morv {

// One line of a headless event file.
struct EventStep {
    enum class Kind { Wait, Click, RightClick, Move, Key, KeyDown, KeyUp, Wheel, Menu, Answer, Snapshot, SnapshotAfter, BoxSnapshot, UntilIdle, Save, Load, Quit,
                      // Control events for the open dialog.
                      Control, DoubleClick, Scroll, Slider, Check, Select, Edit, Tab };
    Kind kind = Kind::Wait;
    int a = 0;          // milliseconds, x, wheel notches, menu id, save slot, control id or scroll step
    int b = 0;          // y, or a control's value (a slider's position, 1/0 for a check, an index, a thumb position)
    std::string text;   // key name, answer, snapshot name or edited text
};

// Parses an event file: one command a line, "#" starts a comment. On a bad line
// returns none and describes the line in `error`.
std::optional<std::vector<EventStep>> parseEventScript(const std::string& text, std::string& error);

}  // namespace morv
