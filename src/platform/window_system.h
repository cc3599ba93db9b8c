// The window port: the one top-level game window.
#pragma once
#include <string>

namespace morv {

// The one top-level game window as the platform provides it.
class WindowSystem {
public:
    virtual ~WindowSystem() = default;
    // Creates the window with a client area of width x height and a white background.
    virtual bool create(int width, int height, const std::string& titleUtf8) = 0;
    virtual void setTitle(const std::string& titleUtf8) = 0;
    virtual void destroy() = 0;
    // Bits per pixel of the desktop (bytes per pixel x 8).
    virtual int desktopDepth() = 0;
};

}  // namespace morv
