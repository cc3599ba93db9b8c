// The SDL game window and its renderer.
#include "platform/sdl/sdl_window.h"

#include <SDL.h>

#include <cstdio>

#include "platform/sdl/imgui_layer.h"
#include "platform/window_placement.h"

namespace morv {

SdlWindow::SdlWindow() = default;

SdlWindow::~SdlWindow() {
    overlay_.reset();
    if (renderer_ != nullptr) SDL_DestroyRenderer(renderer_);
    if (window_ != nullptr) SDL_DestroyWindow(window_);
}

bool SdlWindow::create(int width, int height, const std::string& titleUtf8) {
    if (window_ != nullptr) return true;
    WindowPoint place{SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED};
    SDL_DisplayMode desktop;
    if (SDL_GetDesktopDisplayMode(0, &desktop) == 0) place = initialWindowPosition(desktop.w, desktop.h);
    window_ = SDL_CreateWindow(titleUtf8.c_str(), place.x, place.y, width, height, SDL_WINDOW_SHOWN);
    if (window_ == nullptr) {
        std::fprintf(stderr, "morv: cannot create the window: %s\n", SDL_GetError());
        return false;
    }
    renderer_ = SDL_CreateRenderer(window_, -1, 0);
    if (renderer_ == nullptr) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
    if (renderer_ == nullptr) {
        std::fprintf(stderr, "morv: cannot create a renderer: %s\n", SDL_GetError());
        SDL_DestroyWindow(window_);
        window_ = nullptr;
        return false;
    }
    // Typed text is wanted only by input boxes; outside them an input method
    // must not take the game's keys.
    SDL_StopTextInput();
    SDL_SetRenderDrawColor(renderer_, 255, 255, 255, 255);
    SDL_RenderClear(renderer_);
    SDL_RenderPresent(renderer_);
    closed_ = false;
    return true;
}

void SdlWindow::setTitle(const std::string& titleUtf8) {
    if (window_ != nullptr) SDL_SetWindowTitle(window_, titleUtf8.c_str());
}

void SdlWindow::destroy() {
    if (window_ == nullptr || closed_) return;
    closed_ = true;
    SDL_SetWindowFullscreen(window_, 0);
    SDL_HideWindow(window_);
}

int SdlWindow::desktopDepth() {
    SDL_DisplayMode desktop;
    if (SDL_GetDesktopDisplayMode(0, &desktop) != 0) return 0;
    // A 24-bit desktop that keeps 32 bits per pixel counts as 32.
    return SDL_BYTESPERPIXEL(desktop.format) * 8;
}

std::string SdlWindow::title() const {
    return window_ != nullptr ? std::string(SDL_GetWindowTitle(window_)) : std::string();
}

SdlWindow::Reveal::Reveal(SdlWindow& window) : window_(window), hideAgain_(window.closed_ && window.window_) {
    if (hideAgain_) SDL_ShowWindow(window_.window_);
}

SdlWindow::Reveal::~Reveal() {
    if (hideAgain_) SDL_HideWindow(window_.window_);
}

ImGuiLayer& SdlWindow::overlay() {
    if (!overlay_) overlay_ = std::make_unique<ImGuiLayer>(window_, renderer_);
    return *overlay_;
}

}  // namespace morv
