// The window events the platform reports to the engine.
#pragma once
#include <cstdint>
#include <deque>

namespace morv {

enum class Key { Enter, Escape, Space, Up, Down, Ctrl, Alt, Other };
enum class MouseButton { Left, Right };

// One engine-level window event, as the platform reports it.
struct WindowEvent {
    enum class Kind {
        KeyDown,
        KeyUp,
        MouseDown,
        MouseUp,
        MouseMove,    // value: 1 while the left button is held; top: window pixels from the top
        MenuBarMove,  // the pointer moved over the menu bar
        Wheel,        // value: notches, negative = toward the user
        MenuCommand,  // value: the menu item's id
        CloseRequest, // the player asked to close the window (close box)
        CloseWindow,  // the program closes the window without asking
        WindowDestroyed,  // another program destroyed the window; the game ends
        ToggleDisplayMode,  // Alt+Enter
        Activate,     // value: 1 active, 0 inactive
        MediaNotify,  // value: the media notification code
        SaveGame,     // value: the slot; the headless runner's stand-in for the save dialog
        LoadGame,     // value: the slot; the same for the load dialog
        Quit,         // value: exit code; ends the main loop
    };
    Kind kind = Kind::Quit;
    Key key = Key::Other;
    MouseButton button = MouseButton::Left;
    int x = 0;
    int y = 0;
    int value = 0;
    int top = 0;
};

// The window's event queue. Events posted by the program come before new platform input.
class EventSource {
public:
    virtual ~EventSource() = default;

    bool poll(WindowEvent& event) {
        if (!posted_.empty()) {
            event = posted_.front();
            posted_.pop_front();
            return true;
        }
        return pollPlatform(event);
    }
    void post(const WindowEvent& event) { posted_.push_back(event); }
    // Returns once an event may be waiting or `ms` have passed. Sources on a virtual
    // clock return at once: their time moves only when it is read.
    virtual void waitForEvent(uint32_t /*ms*/) {}

protected:
    virtual bool pollPlatform(WindowEvent& event) = 0;

private:
    std::deque<WindowEvent> posted_;
};

}  // namespace morv
