// Dear ImGui over the game window.
#pragma once
#include <memory>
#include <string>

#include "platform/sdl/imgui_glyphs.h"

struct ImGuiContext;
struct SDL_Renderer;
struct SDL_Window;
union SDL_Event;

namespace morv {

class ImGuiSdlRenderer;

// Dear ImGui over the game window: the context, SDL input through ImGui's SDL2
// backend, a Korean font and the renderer. Boxes, menus and dialogs draw their
// widgets between beginFrame and endFrame. Without a window it draws off screen
// (into a software renderer's surface), with no input and a steady frame time.
class ImGuiLayer {
public:
    static constexpr float kFontPixels = 16.0f;

    ImGuiLayer(SDL_Window* window, SDL_Renderer* renderer);
    ~ImGuiLayer();
    ImGuiLayer(const ImGuiLayer&) = delete;
    ImGuiLayer& operator=(const ImGuiLayer&) = delete;

    void processEvent(const SDL_Event& event);
    // Builds the font again first when a text drawn since needs more characters.
    void beginFrame();
    // Draws the frame's widgets into the renderer's back buffer; the caller presents.
    void endFrame();
    // True when the frame just drawn showed characters the font lacked: the next frame
    // shows them, so the caller draws it at once.
    bool needsRedraw() const { return glyphs_.changed(); }

private:
    // Builds the font with the characters in use and uploads it; only the texture stays in memory.
    void buildFont();

    SDL_Window* window_;
    SDL_Renderer* sdlRenderer_;
    ImGuiContext* context_;
    std::unique_ptr<ImGuiSdlRenderer> renderer_;
    std::string fontFile_;
    FontGlyphs glyphs_;
};

}  // namespace morv
