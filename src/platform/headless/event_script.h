// The timed events a headless run plays to the engine.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace morv {

// One line of a headless event file.
struct EventStep {
    enum class Kind { Wait, Click, RightClick, Move, Key, KeyDown, KeyUp, Wheel, Menu, Answer, Snapshot, SnapshotAfter, BoxSnapshot, UntilIdle, Save, Load, Quit };
    Kind kind = Kind::Wait;
    int a = 0;          // milliseconds, x, wheel notches, menu id or save slot
    int b = 0;          // y
    std::string text;   // key name, answer or snapshot name
};

// Parses an event file: one command a line, "#" starts a comment. On a bad line
// returns none and describes the line in `error`.
std::optional<std::vector<EventStep>> parseEventScript(const std::string& text, std::string& error);

}  // namespace morv
