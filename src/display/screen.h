#pragma once

namespace morv {

struct GameConfig;
class Platform;

// The game screen: its surfaces, the display mode and presentation.
class Screen {
public:
    Screen(const GameConfig& config, Platform& platform);
    ~Screen();

    // Sets up the configured display mode; negative on failure (after its message).
    int createDisplay();
    // Stops running effects and gives the desktop its own display mode back.
    void restoreDisplayMode();
    // Resets the effect state (the interpreter's initial state).
    void resetEffectState();
    // Layers, text window, character scale and hidden flag back to their start (restart).
    void reset();

private:
    const GameConfig& config_;
    Platform& platform_;
};

}  // namespace morv
