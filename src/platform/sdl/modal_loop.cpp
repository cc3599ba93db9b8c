// The event loop of a modal box.
#include "platform/sdl/modal_loop.h"

#include <SDL.h>

#include "platform/sdl/imgui_layer.h"
#include "platform/sdl/sdl_display.h"
#include "platform/sdl/sdl_window.h"

namespace morv {

namespace {

// Long enough to leave the processor alone, short enough for a blinking text caret.
constexpr int kIdleWaitMs = 30;

void noteInput(const SDL_Event& event, ModalInput& input, SdlDisplay& display) {
    switch (event.type) {
        case SDL_QUIT:
            input.closeRequested = true;
            break;
        case SDL_KEYDOWN:
            // A key held down before the box appeared must not answer it.
            if (event.key.repeat != 0) break;
            if (event.key.keysym.sym == SDLK_RETURN || event.key.keysym.sym == SDLK_KP_ENTER) input.accept = true;
            if (event.key.keysym.sym == SDLK_ESCAPE) input.cancel = true;
            break;
        case SDL_MOUSEBUTTONDOWN:
            input.pressed = true;
            break;
        case SDL_RENDER_TARGETS_RESET:
        case SDL_RENDER_DEVICE_RESET:
            display.forgetTexture();
            break;
        default:
            break;
    }
}

}  // namespace

BoxInput boxInputFrom(const ModalInput& modal) {
    BoxInput input;
    input.enter = modal.accept;
    input.escape = modal.cancel;
    input.closeRequested = modal.closeRequested;
    return input;
}

void runModal(SdlWindow& window, SdlDisplay& display, const std::function<bool(const ModalInput&)>& pass) {
    if (!window.exists()) return;
    SdlWindow::Reveal reveal(window);
    ImGuiLayer& layer = window.overlay();
    // ImGui sets the pointer's shape while it runs; the game gets its own back.
    SDL_Cursor* gameCursor = SDL_GetCursor();
    int cursorShown = SDL_ShowCursor(SDL_QUERY);
    bool done = false;
    bool drawAtOnce = true;
    while (!done) {
        ModalInput input;
        SDL_Event event;
        // The first pass draws at once; later ones wait for input or the caret's next blink.
        bool waiting = drawAtOnce ? SDL_PollEvent(&event) != 0 : SDL_WaitEventTimeout(&event, kIdleWaitMs) != 0;
        drawAtOnce = false;
        while (waiting) {
            noteInput(event, input, display);
            layer.processEvent(event);
            waiting = SDL_PollEvent(&event) != 0;
        }
        display.takePendingFrame();
        display.drawLastFrame();
        layer.beginFrame();
        done = pass(input);
        layer.endFrame();
        SDL_RenderPresent(window.renderer());
        // Characters first seen in this pass show in the next one, drawn without waiting.
        drawAtOnce = layer.needsRedraw();
    }
    SDL_SetCursor(gameCursor);
    SDL_ShowCursor(cursorShown);
    // The box is gone from the next picture.
    display.repaint();
}

}  // namespace morv
