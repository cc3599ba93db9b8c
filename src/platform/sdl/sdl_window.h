// The game window as SDL provides it.
#pragma once
#include <deque>
#include <memory>
#include <string>

#include "platform/overlay_view.h"
#include "platform/window_system.h"

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Cursor;

namespace morv {

class ImGuiLayer;
class SdlDisplay;

// The game window with its renderer. Closing only hides it: boxes shown
// during shutdown still need a place to appear, and the window goes for good
// with this object.
class SdlWindow : public WindowSystem {
public:
    SdlWindow();
    ~SdlWindow() override;

    bool create(int width, int height, const std::string& titleUtf8) override;
    void setTitle(const std::string& titleUtf8) override;
    void destroy() override;
    int desktopDepth() override;
    void setIcon(const RgbaPicture& picture) override;
    void setCursor(const RgbaPicture& picture) override;
    void setMenuRefresh(std::function<MenuStates()> refresh) override { refresh_ = std::move(refresh); }
    void setMenuBarAttached(bool attached) override;
    bool menuBarAttached() const override { return menus_.menuBar; }
    bool menuOpen() const override { return menus_.openColumn >= 0; }
    std::optional<MenuItem> trackPopup(PointerPosition at) override;
    void openDocument(const std::string& path) override;

    // The display that shows frames in this window (for the popup's position and repaints).
    void setDisplay(SdlDisplay& display) { display_ = &display; }
    // Window pixels above the picture taken by the menu bar.
    int menuBarTop() const { return menus_.menuBar ? kMenuBarHeight : 0; }
    // Draws the menu bar and its open menu into the current ImGui frame and acts
    // on the player's clicks there.
    void drawMenus();
    // The same without acting on clicks, under a box.
    void drawMenusStill();
    // True when a pointer event at window row `y` belongs to the menus (on the bar
    // or with a drop-down menu open); pressing outside an open menu closes it.
    bool menusTakePointer(int y, bool press);
    // Escape closes an open drop-down menu; true when it did.
    bool closeDropDown();
    // While the menus are in use they need ImGui frames between the engine's presents.
    bool wantsMenuFrames() const { return menuFrames_ > 0 || menus_.openColumn >= 0; }
    void noteMenuInput() { menuFrames_ = kMenuInputFrames; }
    // The item chosen on the bar since the last call.
    std::optional<MenuItem> takeChosen();
    SDL_Window* handle() const { return window_; }
    SDL_Renderer* renderer() const { return renderer_; }
    bool exists() const;
    std::string title() const;
    // Shows the window again after it was closed, for a box that must still be
    // answered; hidden again by the returned guard's end.
    class Reveal {
    public:
        explicit Reveal(SdlWindow& window);
        ~Reveal();
        Reveal(const Reveal&) = delete;
        Reveal& operator=(const Reveal&) = delete;

    private:
        SdlWindow& window_;
        bool hideAgain_;
    };
    // The Dear ImGui layer drawn over the game, built on first use.
    ImGuiLayer& overlay();

private:
    // A click on a menu takes a frame with the button down and one with it up.
    static constexpr int kMenuInputFrames = 3;
    void applyPicks(int titleClicked, std::optional<MenuItem> chosen);

    SDL_Window* window_ = nullptr;
    SDL_Cursor* cursor_ = nullptr;  // the game's own pointer, while set
    SDL_Renderer* renderer_ = nullptr;
    std::unique_ptr<ImGuiLayer> overlay_;
    bool closed_ = false;
    SdlDisplay* display_ = nullptr;
    OverlayView menus_;
    std::function<MenuStates()> refresh_;
    std::deque<MenuItem> chosen_;
    bool pointerOnMenus_ = false;
    int menuFrames_ = 0;
};

}  // namespace morv
