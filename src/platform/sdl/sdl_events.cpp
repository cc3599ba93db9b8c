// Turning SDL input into window events.
#include "platform/sdl/sdl_events.h"

#include <SDL.h>

#include "platform/sdl/imgui_layer.h"
#include "platform/sdl/sdl_display.h"
#include "platform/sdl/sdl_window.h"
#include "platform/sdl/x11_window.h"

namespace morv {

namespace {

// The keys the engine reacts to; every other key is left out.
bool engineKey(SDL_Keycode code, Key& key) {
    switch (code) {
        case SDLK_RETURN:
        case SDLK_KP_ENTER:
            key = Key::Enter;
            return true;
        case SDLK_ESCAPE:
            key = Key::Escape;
            return true;
        case SDLK_SPACE:
            key = Key::Space;
            return true;
        case SDLK_UP:
            key = Key::Up;
            return true;
        case SDLK_DOWN:
            key = Key::Down;
            return true;
        case SDLK_LCTRL:
        case SDLK_RCTRL:
            key = Key::Ctrl;
            return true;
        case SDLK_LALT:
        case SDLK_RALT:
            key = Key::Alt;
            return true;
        default:
            return false;
    }
}

bool engineButton(Uint8 button, MouseButton& out) {
    if (button == SDL_BUTTON_LEFT) {
        out = MouseButton::Left;
        return true;
    }
    if (button == SDL_BUTTON_RIGHT) {
        out = MouseButton::Right;
        return true;
    }
    return false;
}

}  // namespace

bool SdlEvents::pollPlatform(WindowEvent& event) {
    display_.showPendingFrame();
    SDL_Event sdl;
    while (SDL_PollEvent(&sdl) != 0) {
        if (!destroyReported_ && windowDestroyedFromOutside(&sdl)) break;
        if (window_.exists() && window_.menuBarTop() > 0) window_.overlay().processEvent(sdl);
        if (forMenus(sdl, event)) {
            if (event.kind == WindowEvent::Kind::MenuBarMove) return true;
            continue;
        }
        if (translate(sdl, event)) return true;
    }
    if (!destroyReported_ && windowDestroyedFromOutside()) {
        destroyReported_ = true;
        event = WindowEvent{};
        event.kind = WindowEvent::Kind::WindowDestroyed;
        return true;
    }
    // The menus' clicks are seen by the ImGui frames drawn with each repaint.
    if (window_.wantsMenuFrames()) display_.repaint();
    if (auto chosen = window_.takeChosen()) {
        event = WindowEvent{};
        event.kind = WindowEvent::Kind::MenuCommand;
        event.value = static_cast<int>(*chosen);
        return true;
    }
    return false;
}

void SdlEvents::waitForEvent(uint32_t ms) {
    if (window_.wantsMenuFrames()) return;
    SDL_WaitEventTimeout(nullptr, static_cast<int>(ms));
}

bool SdlEvents::forMenus(const SDL_Event& sdl, WindowEvent& event) {
    event = WindowEvent{};
    switch (sdl.type) {
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            if (!window_.menusTakePointer(sdl.button.y, sdl.type == SDL_MOUSEBUTTONDOWN)) return false;
            window_.noteMenuInput();
            return true;
        case SDL_MOUSEMOTION:
            if (!window_.menusTakePointer(sdl.motion.y, false)) return false;
            window_.noteMenuInput();
            event.kind = WindowEvent::Kind::MenuBarMove;
            return true;
        case SDL_KEYDOWN:
            return sdl.key.keysym.sym == SDLK_ESCAPE && window_.closeDropDown();
        default:
            return false;
    }
}

bool SdlEvents::translate(const SDL_Event& sdl, WindowEvent& event) {
    event = WindowEvent{};
    if (mediaEventType_ != 0 && sdl.type == mediaEventType_) {
        event.kind = WindowEvent::Kind::MediaNotify;
        event.value = sdl.user.code;
        return true;
    }
    switch (sdl.type) {
        case SDL_QUIT:
            // The close box: with one window SDL reports it as a quit request.
            event.kind = WindowEvent::Kind::CloseRequest;
            return true;
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            if (sdl.type == SDL_KEYDOWN && (sdl.key.keysym.mod & KMOD_ALT) != 0 &&
                (sdl.key.keysym.sym == SDLK_RETURN || sdl.key.keysym.sym == SDLK_KP_ENTER)) {
                if (sdl.key.repeat != 0) return false;
                altAlone_ = false;
                event.kind = WindowEvent::Kind::ToggleDisplayMode;
                return true;
            }
            if (!engineKey(sdl.key.keysym.sym, event.key)) {
                altAlone_ = false;
                return false;
            }
            // Alt asks for the keyboard menu when it is let go without another key.
            if (event.key == Key::Alt) {
                bool alone = altAlone_;
                altAlone_ = sdl.type == SDL_KEYDOWN;
                if (sdl.type == SDL_KEYDOWN || !alone) return false;
                event.kind = WindowEvent::Kind::KeyDown;
                return true;
            }
            altAlone_ = false;
            event.kind = sdl.type == SDL_KEYDOWN ? WindowEvent::Kind::KeyDown : WindowEvent::Kind::KeyUp;
            return true;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            if (!engineButton(sdl.button.button, event.button)) return false;
            event.kind = sdl.type == SDL_MOUSEBUTTONDOWN ? WindowEvent::Kind::MouseDown : WindowEvent::Kind::MouseUp;
            event.x = sdl.button.x;
            event.y = sdl.button.y;
            display_.windowToGame(event.x, event.y);
            return true;
        case SDL_MOUSEMOTION:
            event.kind = WindowEvent::Kind::MouseMove;
            event.x = sdl.motion.x;
            event.y = sdl.motion.y;
            event.top = sdl.motion.y - window_.menuBarTop();
            event.value = (sdl.motion.state & SDL_BUTTON_LMASK) != 0 ? 1 : 0;
            display_.windowToGame(event.x, event.y);
            return true;
        case SDL_MOUSEWHEEL: {
            // SDL's positive y turns away from the user, as the engine's positive notches.
            int notches = sdl.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -sdl.wheel.y : sdl.wheel.y;
            if (notches == 0) return false;
            event.kind = WindowEvent::Kind::Wheel;
            event.value = notches;
            SDL_GetMouseState(&event.x, &event.y);
            display_.windowToGame(event.x, event.y);
            return true;
        }
        case SDL_WINDOWEVENT:
            switch (sdl.window.event) {
                case SDL_WINDOWEVENT_FOCUS_GAINED:
                case SDL_WINDOWEVENT_FOCUS_LOST:
                    event.kind = WindowEvent::Kind::Activate;
                    event.value = sdl.window.event == SDL_WINDOWEVENT_FOCUS_GAINED ? 1 : 0;
                    return true;
                case SDL_WINDOWEVENT_EXPOSED:
                case SDL_WINDOWEVENT_SIZE_CHANGED:
                    display_.repaint();
                    return false;
                default:
                    return false;
            }
        case SDL_RENDER_TARGETS_RESET:
        case SDL_RENDER_DEVICE_RESET:
            display_.forgetTexture();
            display_.repaint();
            return false;
        default:
            return false;
    }
}

}  // namespace morv
