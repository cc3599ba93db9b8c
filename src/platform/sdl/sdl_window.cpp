// The SDL game window and its renderer.
#include "platform/sdl/sdl_window.h"

#include <SDL.h>

#include <cstdio>

#include "platform/sdl/imgui_layer.h"
#include "platform/sdl/imgui_menus.h"
#include "platform/sdl/modal_loop.h"
#include "platform/sdl/sdl_display.h"
#include "platform/sdl/x11_window.h"
#include "platform/window_placement.h"

namespace morv {

SdlWindow::SdlWindow() = default;

SdlWindow::~SdlWindow() {
    overlay_.reset();
    if (cursor_ != nullptr) SDL_FreeCursor(cursor_);
    if (renderer_ != nullptr) SDL_DestroyRenderer(renderer_);
    if (window_ != nullptr) SDL_DestroyWindow(window_);
}

bool SdlWindow::create(int width, int height, const std::string& titleUtf8) {
    if (window_ != nullptr) return true;
    WindowPoint place{SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED};
    SDL_DisplayMode desktop;
    if (SDL_GetDesktopDisplayMode(0, &desktop) == 0) place = initialWindowPosition(desktop.w, desktop.h);
    // The menu bar shows above the client area from the start.
    menus_.menuBar = true;
    window_ = SDL_CreateWindow(titleUtf8.c_str(), place.x, place.y, width, height + menuBarTop(), SDL_WINDOW_SHOWN);
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
    setUtf8Title(window_, titleUtf8);
    watchForOutsideDestruction(window_);
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
    if (window_ == nullptr) return;
    SDL_SetWindowTitle(window_, titleUtf8.c_str());
    // SDL writes the old title property in the locale's encoding, which mangles Hangul.
    setUtf8Title(window_, titleUtf8);
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

bool SdlWindow::exists() const { return window_ != nullptr && renderer_ != nullptr; }

std::string SdlWindow::title() const {
    return window_ != nullptr ? std::string(SDL_GetWindowTitle(window_)) : std::string();
}

SdlWindow::Reveal::Reveal(SdlWindow& window) : window_(window), hideAgain_(window.closed_ && window.window_) {
    if (hideAgain_) SDL_ShowWindow(window_.window_);
}

SdlWindow::Reveal::~Reveal() {
    if (hideAgain_) SDL_HideWindow(window_.window_);
}

namespace {

// The picture as an SDL surface that borrows its pixels; freed by the caller.
SDL_Surface* surfaceOf(const RgbaPicture& picture) {
    if (picture.width <= 0 || picture.height <= 0) return nullptr;
    return SDL_CreateRGBSurfaceWithFormatFrom(const_cast<uint8_t*>(picture.rgba.data()), picture.width,
                                              picture.height, 32, picture.width * 4, SDL_PIXELFORMAT_RGBA32);
}

}  // namespace

void SdlWindow::setIcon(const RgbaPicture& picture) {
    if (window_ == nullptr) return;
    if (SDL_Surface* surface = surfaceOf(picture)) {
        SDL_SetWindowIcon(window_, surface);
        SDL_FreeSurface(surface);
    }
}

void SdlWindow::setCursor(const RgbaPicture& picture) {
    SDL_Surface* surface = surfaceOf(picture);
    if (surface == nullptr) return;
    SDL_Cursor* cursor = SDL_CreateColorCursor(surface, picture.hotX, picture.hotY);
    SDL_FreeSurface(surface);
    if (cursor == nullptr) return;
    SDL_SetCursor(cursor);
    if (cursor_ != nullptr) SDL_FreeCursor(cursor_);
    cursor_ = cursor;
}

void SdlWindow::setMenuBarAttached(bool attached) {
    if (menus_.menuBar == attached) return;
    menus_.menuBar = attached;
    menus_.openColumn = -1;
    if (display_ != nullptr) display_->menuBarChanged();
}

void SdlWindow::applyPicks(int titleClicked, std::optional<MenuItem> chosen) {
    if (titleClicked >= 0) {
        // A click on the open menu's title closes it; on another title, opens that one.
        if (menus_.openColumn == titleClicked) {
            menus_.openColumn = -1;
        } else {
            menus_.openColumn = titleClicked;
            if (refresh_) menus_.states = refresh_();
        }
    }
    if (chosen) {
        menus_.openColumn = -1;
        chosen_.push_back(*chosen);
    }
}

void SdlWindow::drawMenus() {
    if (menuFrames_ > 0) --menuFrames_;
    if (!menus_.menuBar) return;
    MenuPicks picks = morv::drawMenus(menus_, 0.0f, 0.0f);
    pointerOnMenus_ = picks.pointerOnMenus;
    applyPicks(picks.titleClicked, picks.chosen);
}

void SdlWindow::drawMenusStill() {
    if (!menus_.menuBar) return;
    OverlayView bar;
    bar.menuBar = true;
    morv::drawMenus(bar, 0.0f, 0.0f);
}

bool SdlWindow::menusTakePointer(int y, bool press) {
    if (!menus_.menuBar) return false;
    if (menus_.openColumn >= 0) {
        if (press && y >= menuBarTop() && !pointerOnMenus_) menus_.openColumn = -1;
        return true;
    }
    return y < menuBarTop();
}

bool SdlWindow::closeDropDown() {
    if (menus_.openColumn < 0) return false;
    menus_.openColumn = -1;
    return true;
}

std::optional<MenuItem> SdlWindow::takeChosen() {
    if (chosen_.empty()) return std::nullopt;
    MenuItem item = chosen_.front();
    chosen_.pop_front();
    return item;
}

std::optional<MenuItem> SdlWindow::trackPopup(PointerPosition at) {
    if (!exists() || display_ == nullptr) return std::nullopt;
    int x = at.x;
    int y = at.y;
    display_->gameToWindow(x, y);
    OverlayView popup;
    popup.menuBar = menus_.menuBar;
    popup.popupAt = at;
    if (refresh_) popup.states = refresh_();
    std::optional<MenuItem> chosen;
    bool pressedOutside = false;
    runModal(*this, *display_, [&](const ModalInput& input) {
        MenuPicks picks = morv::drawMenus(popup, static_cast<float>(x), static_cast<float>(y));
        if (picks.chosen && menuPlace(*picks.chosen) == MenuPlace::Popup) {
            chosen = picks.chosen;
            return true;
        }
        // Escape, the close box or a press anywhere off the popup dismisses it.
        if (input.cancel || input.closeRequested) return true;
        if (input.pressed && !picks.pointerOnMenus) pressedOutside = true;
        return pressedOutside;
    });
    return chosen;
}

void SdlWindow::openDocument(const std::string& path) {
    // SDL hands the name to xdg-open in a process of its own.
    if (!path.empty()) SDL_OpenURL(path.c_str());
}

ImGuiLayer& SdlWindow::overlay() {
    if (!overlay_) overlay_ = std::make_unique<ImGuiLayer>(window_, renderer_);
    return *overlay_;
}

}  // namespace morv
