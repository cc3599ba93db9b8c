// Showing presented frames in the SDL window.
#include "platform/sdl/sdl_display.h"

#include <SDL.h>

#include <cstdio>

#include "platform/sdl/imgui_layer.h"
#include "platform/sdl/sdl_window.h"
#include "platform/window_placement.h"

namespace morv {

namespace {

Uint32 textureFormatFor(PixelFormat format) {
    return format == PixelFormat::Rgb565 ? SDL_PIXELFORMAT_RGB565 : SDL_PIXELFORMAT_RGB888;
}

}  // namespace

SdlDisplay::SdlDisplay(SdlWindow& window) : window_(window), mainThread_(std::this_thread::get_id()) {}

SdlDisplay::~SdlDisplay() { forgetTexture(); }

bool SdlDisplay::setMode(int width, int height, PixelFormat, bool fullScreen) {
    SDL_Window* handle = window_.handle();
    if (handle == nullptr) return false;
    modeWidth_ = width;
    modeHeight_ = height;
    if (fullScreen) {
        if (SDL_SetWindowFullscreen(handle, SDL_WINDOW_FULLSCREEN_DESKTOP) != 0) {
            std::fprintf(stderr, "morv: cannot enter full screen: %s\n", SDL_GetError());
            return false;
        }
        fullScreen_ = true;
        return true;
    }
    if (SDL_SetWindowFullscreen(handle, 0) != 0) {
        std::fprintf(stderr, "morv: cannot leave full screen: %s\n", SDL_GetError());
        return false;
    }
    fullScreen_ = false;
    SDL_SetWindowSize(handle, width, height + window_.menuBarTop());
    // Keep the title bar reachable.
    SDL_Rect usable;
    int index = SDL_GetWindowDisplayIndex(handle);
    if (index >= 0 && SDL_GetDisplayUsableBounds(index, &usable) == 0) {
        WindowPoint client;
        int top = 0;
        SDL_GetWindowPosition(handle, &client.x, &client.y);
        if (SDL_GetWindowBordersSize(handle, &top, nullptr, nullptr, nullptr) != 0) top = 0;
        WindowPoint kept = keepOnWorkArea(client, top, usable.x, usable.y);
        if (kept.x != client.x || kept.y != client.y) SDL_SetWindowPosition(handle, kept.x, kept.y);
    }
    return true;
}

void SdlDisplay::present(const void* pixels, int pitch, int width, int height, PixelFormat format) {
    presentRows(pixels, pitch, width, height, format, 0, height);
}

void SdlDisplay::presentRows(const void* pixels, int pitch, int width, int height, PixelFormat format, int top,
                             int bottom) {
    mailbox_.putRows(pixels, pitch, width, height, format, top, bottom);
    if (std::this_thread::get_id() == mainThread_) showPendingFrame();
}

void SdlDisplay::restoreDesktop() {
    if (window_.handle() != nullptr && fullScreen_) SDL_SetWindowFullscreen(window_.handle(), 0);
    fullScreen_ = false;
}

void SdlDisplay::showPendingFrame() {
    if (takePendingFrame()) repaint();
}

bool SdlDisplay::takePendingFrame() {
    const RowSpan changed = mailbox_.take(shown_);
    if (!changed) return false;
    staleRows_ = staleRows_.united(changed);
    return true;
}

void SdlDisplay::repaint() {
    if (!window_.exists()) return;
    drawLastFrame();
    if (window_.menuBarTop() > 0) {
        ImGuiLayer& layer = window_.overlay();
        layer.beginFrame();
        window_.drawMenus();
        layer.endFrame();
    }
    SDL_RenderPresent(window_.renderer());
}

void SdlDisplay::forgetTexture() {
    if (texture_ != nullptr) SDL_DestroyTexture(texture_);
    texture_ = nullptr;
}

PresentRect SdlDisplay::presentRect(int outputWidth, int outputHeight) const {
    const int top = window_.menuBarTop();
    // Window mode fills the client area below the menu bar, which is the frame's
    // size unless the window was resized behind our back.
    if (!fullScreen_) return PresentRect{0, top, outputWidth, outputHeight - top};
    PresentRect rect = fitKeepingAspect(shown_.width, shown_.height, outputWidth, outputHeight - top);
    rect.y += top;
    return rect;
}

void SdlDisplay::menuBarChanged() {
    SDL_Window* handle = window_.handle();
    if (handle != nullptr && !fullScreen_ && modeWidth_ > 0) {
        SDL_SetWindowSize(handle, modeWidth_, modeHeight_ + window_.menuBarTop());
    }
    repaint();
}

void SdlDisplay::gameToWindow(int& x, int& y) const {
    if (window_.handle() == nullptr || shown_.empty()) return;
    int width = 0;
    int height = 0;
    SDL_GetWindowSize(window_.handle(), &width, &height);
    frameToWindow(presentRect(width, height), shown_.width, shown_.height, x, y);
}

void SdlDisplay::windowToGame(int& x, int& y) const {
    if (window_.handle() == nullptr || shown_.empty()) return;
    int width = 0;
    int height = 0;
    SDL_GetWindowSize(window_.handle(), &width, &height);
    windowToFrame(presentRect(width, height), shown_.width, shown_.height, x, y);
}

PointerPosition SdlDisplay::pointer() {
    PointerPosition at;
    SDL_GetMouseState(&at.x, &at.y);
    windowToGame(at.x, at.y);
    return at;
}

void SdlDisplay::movePointer(PointerPosition at) {
    if (window_.handle() == nullptr || shown_.empty()) return;
    gameToWindow(at.x, at.y);
    SDL_WarpMouseInWindow(window_.handle(), at.x, at.y);
}

bool SdlDisplay::uploadShownFrame() {
    SDL_Renderer* renderer = window_.renderer();
    if (texture_ == nullptr || textureWidth_ != shown_.width || textureHeight_ != shown_.height ||
        textureFormat_ != shown_.format) {
        forgetTexture();
        texture_ = SDL_CreateTexture(renderer, textureFormatFor(shown_.format), SDL_TEXTUREACCESS_STREAMING,
                                     shown_.width, shown_.height);
        if (texture_ == nullptr) {
            std::fprintf(stderr, "morv: cannot create the frame texture: %s\n", SDL_GetError());
            return false;
        }
        SDL_SetTextureScaleMode(texture_, SDL_ScaleModeLinear);
        textureWidth_ = shown_.width;
        textureHeight_ = shown_.height;
        textureFormat_ = shown_.format;
        staleRows_ = {0, shown_.height};
    }
    // Only the rows that changed since the last upload go to the texture.
    if (staleRows_) {
        const SDL_Rect rows{0, staleRows_.top, shown_.width, staleRows_.bottom - staleRows_.top};
        const uint8_t* first = shown_.pixels.data() + static_cast<size_t>(staleRows_.top) * shown_.pitch();
        if (SDL_UpdateTexture(texture_, &rows, first, shown_.pitch()) != 0) return false;
        staleRows_ = {};
    }
    return true;
}

void SdlDisplay::drawLastFrame() {
    SDL_Renderer* renderer = window_.renderer();
    if (renderer == nullptr) return;
    if (shown_.empty()) {
        SDL_SetRenderDrawColor(renderer, 255, 255, 255, 255);
        SDL_RenderClear(renderer);
        return;
    }
    SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
    SDL_RenderClear(renderer);
    if (!uploadShownFrame()) return;
    int width = 0;
    int height = 0;
    SDL_GetRendererOutputSize(renderer, &width, &height);
    PresentRect rect = presentRect(width, height);
    SDL_Rect target{rect.x, rect.y, rect.width, rect.height};
    SDL_RenderCopy(renderer, texture_, nullptr, &target);
}

}  // namespace morv
