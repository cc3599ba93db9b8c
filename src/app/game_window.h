// The game window and the routing of its events and menu commands to the engine.
#pragma once
#include <optional>
#include <string>

#include "platform/events.h"
#include "platform/menu_items.h"
#include "platform/rgba_picture.h"

namespace morv {

class Platform;
class WindowEngine;

// The side of the application the window reports to.
class WindowHost {
public:
    virtual ~WindowHost() = default;
    // The engine, or null before it exists and after it is gone.
    virtual WindowEngine* engine() = 0;
    virtual void setActive(bool active) = 0;
    // The window is gone: the main loop ends.
    virtual void setQuit() = 0;
};

// The game window: hands every window event and menu command to the engine
// operation it reaches.
class GameWindow {
public:
    static constexpr int kInitialWidth = 640;
    static constexpr int kInitialHeight = 480;
    // In full screen the menu bar appears within this many pixels of the top...
    static constexpr int kMenuBarShowDistance = 20;
    // ...and goes again once the pointer, having been on it, is farther away than this.
    static constexpr int kMenuBarHideDistance = 50;

    GameWindow(Platform& platform, WindowHost& host);

    bool create();
    // The engine is up: full screen starts without the menu bar.
    void engineStarted();
    void dispatch(const WindowEvent& event);
    // Destroys the window; the main loop then ends.
    void close();

    // The tick marks and enabled states of every menu item now.
    MenuStates menuStates();
    bool menuEntered() const { return menuEntered_; }

private:
    // Asks "프로그램을 종료합니다."; closes the window on OK.
    void confirmExit();
    void keyDown(WindowEngine& engine, Key key);
    void leftButtonDown(WindowEngine& engine, const WindowEvent& event);
    void mouseMove(WindowEngine& engine, const WindowEvent& event);
    // One engine step per notch.
    void wheel(WindowEngine& engine, int notches);
    // Right click: the popup menu, in the states that allow it.
    void contextMenu(WindowEngine& engine, const WindowEvent& event);
    // A slot saved or loaded at the event's request, with its outcome in the trace.
    void savedGameEvent(WindowEngine& engine, const WindowEvent& event);
    // The engine reported the end of the game.
    void closeWhen(bool gameEnded);
    bool fullScreen();
    // An icon, cursor, BMP or PNG file of the game as a picture.
    std::optional<RgbaPicture> readPictureFile(const std::string& name);
    void attachMenuBar(bool attached);

    // Menu commands (game_window_menus.cpp).
    void menuCommand(MenuItem item);
    void switchDisplayMode();
    void leaveFullScreen();
    void openHelp();
    void saveGame(WindowEngine& engine);
    void loadGame(WindowEngine& engine);
    void captureScreen(WindowEngine& engine);
    // The settings sheet with page `page` (0 to 4) in front.
    void openSettings(WindowEngine& engine, int page);
    class MenuSoundSwitches;

    Platform& platform_;
    WindowHost& host_;
    // Set while the pointer is on the full-screen menu bar.
    bool menuEntered_ = false;
};

}  // namespace morv
