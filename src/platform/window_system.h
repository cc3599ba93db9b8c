// The window port: the one top-level game window, its menu bar and popup menu.
#pragma once
#include <functional>
#include <optional>
#include <string>

#include "platform/menu_items.h"
#include "platform/pointer_position.h"
#include "platform/rgba_picture.h"

namespace morv {

// The one top-level game window as the platform provides it.
class WindowSystem {
public:
    // Pixels of the menu bar; in full screen the picture starts this much lower while it shows.
    static constexpr int kMenuBarHeight = 20;

    virtual ~WindowSystem() = default;
    // Creates the window with a client area of width x height and a white background.
    virtual bool create(int width, int height, const std::string& titleUtf8) = 0;
    virtual void setTitle(const std::string& titleUtf8) = 0;
    virtual void destroy() = 0;
    // Bits per pixel of the desktop (bytes per pixel x 8).
    virtual int desktopDepth() = 0;
    // The game's own icon and pointer shape in place of the program's.
    virtual void setIcon(const RgbaPicture& picture) = 0;
    virtual void setCursor(const RgbaPicture& picture) = 0;

    // Asked each time a menu opens, for its tick marks and enabled states.
    virtual void setMenuRefresh(std::function<MenuStates()> refresh) = 0;
    // The menu bar: above the client area in window mode, over the top of the screen in full screen.
    virtual void setMenuBarAttached(bool attached) = 0;
    virtual bool menuBarAttached() const = 0;
    // True while a drop-down menu of the bar is open: the game holds still until it closes.
    virtual bool menuOpen() const = 0;
    // Shows the popup menu with its top-left corner at a frame position until the
    // player chooses an enabled item (returned) or dismisses it (none).
    virtual std::optional<MenuItem> trackPopup(PointerPosition at) = 0;
    // Hands a document to the desktop's opener; a failure is not reported.
    virtual void openDocument(const std::string& path) = 0;
};

}  // namespace morv
