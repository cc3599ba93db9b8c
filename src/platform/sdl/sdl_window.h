// The game window as SDL provides it.
#pragma once
#include <memory>
#include <string>

#include "platform/window_system.h"

struct SDL_Window;
struct SDL_Renderer;

namespace morv {

class ImGuiLayer;

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

    SDL_Window* handle() const { return window_; }
    SDL_Renderer* renderer() const { return renderer_; }
    bool exists() const { return window_ != nullptr && renderer_ != nullptr; }
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
    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    std::unique_ptr<ImGuiLayer> overlay_;
    bool closed_ = false;
};

}  // namespace morv
