// What the game window asks of the engine.
#pragma once
#include <optional>
#include <string>

#include "dialogs/settings_applier.h"
#include "platform/pointer_position.h"

namespace morv {

struct GameConfig;

// The engine operations that window events and menu commands reach, and those
// that bring the settings sheet's values into use. The game uses the running
// ScenarioRunner; tests record the calls.
class WindowEngine : public SettingsApplier {
public:

    // --- Player input (true when the game has ended) ---
    virtual bool advance(std::optional<PointerPosition> at) = 0;
    virtual void toggleTextWindow() = 0;
    // Escape; true when the player agreed to close the program.
    virtual bool cancel() = 0;
    virtual bool fastForward() = 0;
    virtual void endFastForward() = 0;
    virtual bool arrowKey(bool up) = 0;
    virtual void reviewBack() = 0;
    virtual bool reviewForward() = 0;
    virtual void pointerMove(PointerPosition at, bool leftHeld) = 0;
    virtual void buttonRelease() = 0;
    virtual void mediaNotification(int code) = 0;

    // --- Player options and state ---
    virtual int engineState() const = 0;
    virtual bool skipRead() const = 0;
    virtual void setSkipRead(bool on) = 0;
    virtual void setAuto(bool on) = 0;
    virtual GameConfig& config() = 0;
    // The sound switches after the configuration's value was flipped.
    virtual void bgmSwitchChanged() = 0;
    virtual void effectsSwitchChanged() = 0;
    virtual void voiceSwitchChanged() = 0;

    // --- Saved games and restart ---
    virtual bool save(int slot) = 0;
    virtual bool load(int slot) = 0;
    virtual bool previousChoiceSaveExists() const = 0;
    virtual void restart() = 0;

    // --- Display ---
    // Switches between window and full screen; false when it failed (after its message).
    virtual bool toggleDisplayMode() = 0;
    virtual void updatePresentRect(bool windowHasMenuBar) = 0;
    // Writes the frame on view as a BMP file; false when it failed (after its message).
    virtual bool captureScreen(const std::string& path) = 0;
};

}  // namespace morv
