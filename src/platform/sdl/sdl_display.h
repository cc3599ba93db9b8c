// The SDL display: presented frames shown in the game window.
#pragma once
#include <thread>

#include "platform/display_device.h"
#include "platform/frame_mailbox.h"
#include "platform/present_rect.h"

struct SDL_Texture;

namespace morv {

class SdlWindow;

// Shows presented frames in the game window below its menu bar: at the client
// size in window mode, scaled with kept aspect ratio and black borders in full
// screen (where the picture starts lower while the menu bar shows).
// Only the thread that built it touches SDL; frames presented by other threads
// wait in a mailbox until that thread's next pass.
class SdlDisplay : public DisplayDevice {
public:
    explicit SdlDisplay(SdlWindow& window);
    ~SdlDisplay() override;

    bool setMode(int width, int height, PixelFormat format, bool fullScreen) override;
    void present(const void* pixels, int pitch, int width, int height, PixelFormat format) override;
    void presentRows(const void* pixels, int pitch, int width, int height, PixelFormat format, int top,
                     int bottom) override;
    bool presentsFromAnyThread() const override { return true; }
    void restoreDesktop() override;
    PointerPosition pointer() override;
    void movePointer(PointerPosition at) override;

    // Shows the newest frame a worker thread presented, if one waits.
    void showPendingFrame();
    // Makes that frame the last frame without showing it; false when none waits.
    bool takePendingFrame();
    // Draws the last frame into the back buffer without showing it; white
    // before the first frame.
    void drawLastFrame();
    // Draws the last frame again and shows it (after the window was exposed).
    void repaint();
    // Builds the texture anew on the next draw (the renderer lost its textures).
    void forgetTexture();
    // A window position in game coordinates, and back.
    void windowToGame(int& x, int& y) const;
    void gameToWindow(int& x, int& y) const;
    // The menu bar came or went: in window mode the window grows or shrinks by
    // it, so that the client area below it stays the game's size.
    void menuBarChanged();

private:
    PresentRect presentRect(int outputWidth, int outputHeight) const;
    bool uploadShownFrame();

    SdlWindow& window_;
    std::thread::id mainThread_;
    FrameMailbox mailbox_;
    FrameCopy shown_;
    SDL_Texture* texture_ = nullptr;
    int textureWidth_ = 0;
    int textureHeight_ = 0;
    PixelFormat textureFormat_ = PixelFormat::Xrgb8888;
    RowSpan staleRows_;  // rows of shown_ that the texture does not have yet
    bool fullScreen_ = false;
    int modeWidth_ = 0;
    int modeHeight_ = 0;
};

}  // namespace morv
