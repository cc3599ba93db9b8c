// The screen with its surfaces by role.
#pragma once
#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "config/game_config.h"
#include "display/effect_canvas.h"
#include "display/rect.h"
#include "display/surface.h"
#include "display/text_renderer.h"
#include "display/text_window.h"
#include "display/worker_turns.h"
#include "platform/frame_mailbox.h"
#include "platform/pixel_format.h"

namespace morv {

class BacklogView;
class Clock;
class FontFactory;
class ImageSource;
class Platform;

// The screen's surfaces by role.
enum class SurfaceRole {
    FrameSurface,      // the finished frame; the only surface presented
    StageSurface,      // the next scene: background plus characters
    SceneSurface,      // the scene on view, without the text window
    WindowSurface,     // scene plus text-window background
    TextLayer,         // the window's text, keyed by magenta
    CaretSurface,      // line-end caret
    PageCaretSurface,  // page-end caret
    ScratchSurface,    // the image being drawn, replaced on every such draw
};
inline constexpr size_t kSurfaceRoles = 8;

// Where drawn text goes.
enum class TextTarget { Frame = 0, Scene = 1, Stage = 2 };

// The game screen: its surfaces, the display mode, presentation and the scene layers.
class Screen {
public:
    static constexpr int kDisplayFailed = -1;
    static constexpr int kQuickFadeSteps = 8;

    Screen(GameConfig& config, Platform& platform);
    ~Screen();
    Screen(const Screen&) = delete;
    Screen& operator=(const Screen&) = delete;

    // --- Display -----------------------------------------------------------
    // Connects to the display in the configured mode and, unless keepSurfaces,
    // creates the whole surface set. Negative on failure (after its message).
    int createDisplay(bool keepSurfaces = false);
    // Switches between window and full screen without touching the pictures.
    int toggleDisplayMode();
    // Recomputes where the frame goes after the window moved or its menu bar changed.
    void updatePresentRect(bool windowHasMenuBar);
    // Shows what changed on FrameSurface since the last presentation (rows of it,
    // to displays that keep a copy); nothing at all when nothing changed.
    void present();
    // Drawing on FrameSurface through its own operations marks what it touched;
    // whatever writes the frame's rows directly (a plug-in, a movie) marks the part
    // it changed, and the next present shows it.
    void markDirty(const Rect& rect) { surface(SurfaceRole::FrameSurface).markChanged(rect); }
    void markAllDirty() { surface(SurfaceRole::FrameSurface).markAllChanged(); }
    // The part of the frame the next present shows.
    Rect dirtyRect() const { return surface(SurfaceRole::FrameSurface).changed(); }
    // Shows the whole frame again after the platform lost the display.
    void restore();
    // Releases the surfaces (unless keepSurfaces) and the display connection.
    void destroy(bool keepSurfaces);
    // Stops running effects and gives the desktop its own display mode back.
    void restoreDisplayMode();
    // Resets the effect state (the interpreter's initial state).
    void resetEffectState();
    // Layers, character scale and position back to their start (restart).
    void reset();

    // --- Scene layers ------------------------------------------------------
    // "WHITE", "BLACK", "PURPLE" (any case), "" (black) or an image file, on the stage.
    int setBackground(std::string_view name);
    // Empty or "DELETE" clears the characters instead.
    int drawCharacter(std::string_view name, int x, int y, bool keyed);
    int drawCharacterBottomAligned(std::string_view name, int x);
    int drawCharacterCentred(std::string_view name);
    // As drawCharacter, remembering the position for the two below.
    int drawCharacterAt(std::string_view name, int x, int y, bool keyed);
    int drawCharacterAtX(std::string_view name, int x);
    int drawCharacterAtLastPosition(std::string_view name);
    // Paints the background again: every character is gone.
    int clearCharacters();
    // StageSurface becomes the scene on view and the frame.
    void showStage();
    // One step of the quick fade from the scene to the stage; true when it is done.
    bool quickFadeStep();
    // Shows the stage at once; always done.
    bool finishQuickFade();
    // The text with the current font's shadow and outline, in the current text color.
    void drawText(int x, int y, std::string_view text, TextTarget target);
    // A button picture keyed onto the scene, then shown.
    int drawPictureOnScene(std::string_view name, int x, int y);
    // The picture stretched to the rectangle (right and bottom inclusive) on the stage.
    int drawPictureInRect(std::string_view name, int left, int top, int right, int bottom);
    // The picture at its own size at the top left of the frame.
    int drawFullScreenPicture(std::string_view name);
    // SceneSurface's pixels, rows width x bytes-per-pixel apart.
    std::vector<uint8_t> saveScenePixels() const;
    // Puts saved pixels back on the scene, the frame and the stage; false (nothing
    // changed) when the buffer is shorter than one screen.
    bool restoreScenePixels(const std::vector<uint8_t>& pixels);

    // --- Dialogue text --------------------------------------------------------
    // Answers of the text operations.
    static constexpr int kTextDrawn = 0;
    static constexpr int kTextFinished = 1;
    static constexpr int kTextPageFull = -1;

    // Starts a message; gradual shows its first character only.
    int showMessage(std::string_view text, bool gradual);
    int revealNext();
    // Until the message ends or the page is full.
    int revealRest();
    // A message that waited for its page click goes on at the top of a fresh page.
    int continueOnFreshPage();
    // True when the page is full.
    bool newLine();
    void resetPage(bool quiet);
    // Width of a text in the current font.
    int measureText(std::string_view text) const;
    // The line the next character goes on, one font height tall (choice rectangles).
    Rect textLineRect() const;
    // size: "++" / "--" two pixels larger or smaller, else a number (0 = configured).
    void setFont(std::string_view size, std::optional<std::string_view> name = std::nullopt,
                 std::optional<int> type = std::nullopt);
    void resetFont();
    // One tick of the caret while text waits (the page caret while a page waits).
    void blinkCaret(bool pageCaret, bool pluginRunning);
    // The window command's hidden flag.
    void setTextWindowHidden(bool hidden);
    bool textWindowHidden() const;
    // The player hid the window: the scene alone; or it comes back with its page.
    void hideTextWindow();
    void redrawTextWindow();
    // A continuous effect drew the frame: the text window and its page go over it again.
    void layTextWindowOverFrame();
    void setFullScreenText(bool on);
    bool fullScreenText() const;
    // The remembered character position goes back to the top left.
    void clearCharacterPositions();
    // The color of the next characters, of dialogue and of drawn text alike.
    ConfigColor textColor() const;
    void setTextColor(ConfigColor color);
    // What a saved game keeps of the current font.
    SavedFont fontForSaving() const;
    // The settings sheet changed the window's, the text's or (with `newFont`) the
    // font's settings: the window is built again and the page drawn anew.
    void applyTextSettings(bool newFont);

    // --- Review of past text ---------------------------------------------------
    // Covers the screen with the review and shows its newest page.
    void openReview();
    void reviewLineUp();
    // The forward steps are false when the newest page was already shown.
    bool reviewLineDown();
    void reviewPageUp();
    bool reviewPageDown();
    void reviewLastPage();
    void reviewJump(int line);
    // A press on the scroll bar steps or starts a drag (true); elsewhere false.
    bool reviewPress(int x, int y);
    void reviewDrag(int y);
    void reviewRelease();
    // A review icon's picture by number, stretched into the rectangle of the frame.
    void drawReviewIcon(int number, const Rect& rect);
    // Back to the dialogue window with its page.
    void closeReview();

    // --- State -------------------------------------------------------------
    // Replaces ScratchSurface by an empty surface.
    Surface& freshScratch();
    Surface& surface(SurfaceRole role) { return *surfaces_[static_cast<size_t>(role)]; }
    const Surface& surface(SurfaceRole role) const { return *surfaces_[static_cast<size_t>(role)]; }
    PixelFormat format() const { return format_; }
    int depth() const { return depth_; }
    int width() const { return width_; }
    int height() const { return height_; }
    Rect presentRect() const { return presentRect_; }
    ImageSource* imageSource() const { return imageSource_.get(); }

    // Shared with worker-thread effects: run is set by the main thread and cleared
    // to cancel; busy is set while a worker runs.
    std::atomic<int32_t>& effectRun() { return effectRun_; }
    std::atomic<int32_t>& effectBusy() { return effectBusy_; }
    // The surfaces, clock and flags effects draw with; its present shows FrameSurface.
    EffectCanvas effectCanvas();
    // The same for the effect worker. Its present goes straight to a display that
    // takes frames from any thread; otherwise the frame waits for showWorkerFrame,
    // and the worker draws one frame per call of it.
    EffectCanvas workerCanvas();
    // Main thread, while a worker draws: lets a worker that waits for its turn draw
    // its next frame, then shows the newest frame it handed over.
    // Once the worker has finished its frames are dropped: the final picture is
    // shown by the next presentation.
    void showWorkerFrame();
    bool sceneChanged() const { return sceneChanged_; }
    void setSceneChanged(bool changed) { sceneChanged_ = changed; }

    const std::string& backgroundName() const { return backgroundName_; }
    // A loaded game's background name, drawn again when characters are cleared.
    void setBackgroundName(std::string name) { backgroundName_ = std::move(name); }
    int characterScale() const { return characterScale_; }
    void setCharacterScale(int percent) { characterScale_ = percent; }
    Rect characterClip() const { return characterClip_; }
    void setCharacterClip(const Rect& clip) { characterClip_ = clip; }
    void resetCharacterClip() { characterClip_ = {0, 0, width_, height_}; }
    int lastCharacterX() const { return lastCharacterX_; }
    int lastCharacterY() const { return lastCharacterY_; }
    int quickFadeStepNumber() const { return quickFadeStep_; }

private:
    int setDisplayMode();
    int createSurfaces();
    int createCaret(SurfaceRole role, const std::string& file);
    void releaseSurfaces();
    // Waits until a worker-thread effect has seen the cleared run flag and stopped.
    void stopEffects();
    // A fresh ScratchSurface with the image at `percent`; negative when unreadable.
    int loadScratch(std::string_view name, int percent);
    // The surfaces and flags the text window and the renderer draw with.
    WindowCanvas textCanvas(bool pluginEffectRunning = false);
    // The scene changed under the window: the window and its page go back on the
    // frame, unless the player hid them.
    void showTextWindowOnFrame();

    GameConfig& config_;
    Platform& platform_;
    const int depth_;
    const PixelFormat format_;
    int width_;
    int height_;
    std::unique_ptr<ImageSource> imageSource_;
    std::array<std::unique_ptr<Surface>, kSurfaceRoles> surfaces_;
    Rect presentRect_;

    std::atomic<int32_t> effectRun_{0};
    std::atomic<int32_t> effectBusy_{0};
    FrameMailbox workerFrames_;
    WorkerTurns workerTurns_;  // used where the main thread shows the worker's frames
    FrameCopy workerFrame_;  // the last frame taken from the worker
    std::atomic<bool> sceneChanged_{true};

    std::string backgroundName_;
    int characterScale_ = 100;
    Rect characterClip_;
    int lastCharacterX_ = 0;
    int lastCharacterY_ = 0;
    int quickFadeStep_ = 1;

    std::unique_ptr<FontFactory> fonts_;
    std::unique_ptr<TextWindow> textWindow_;
    std::unique_ptr<TextRenderer> textRenderer_;
    std::unique_ptr<BacklogView> review_;
    bool windowHiddenByPlayer_ = false;
};

}  // namespace morv
