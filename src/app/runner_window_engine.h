// The running engine as the game window sees it.
#pragma once
#include "app/window_engine.h"

namespace morv {

class Platform;
class ScenarioRunner;

// The window's operations carried out by the ScenarioRunner.
class RunnerWindowEngine : public WindowEngine {
public:
    RunnerWindowEngine(ScenarioRunner& runner, Platform& platform) : runner_(runner), platform_(platform) {}

    bool advance(std::optional<PointerPosition> at) override;
    void toggleTextWindow() override;
    bool cancel() override;
    bool fastForward() override;
    void endFastForward() override;
    bool arrowKey(bool up) override;
    void reviewBack() override;
    bool reviewForward() override;
    void pointerMove(PointerPosition at, bool leftHeld) override;
    void buttonRelease() override;
    void mediaNotification(int code) override;

    int engineState() const override;
    bool skipRead() const override;
    void setSkipRead(bool on) override;
    void setAuto(bool on) override;
    GameConfig& config() override;
    void bgmSwitchChanged() override;
    void effectsSwitchChanged() override;
    void voiceSwitchChanged() override;

    void applyTextWindow() override;
    void applyTextSettings() override;
    void applyFont() override;
    void applyBgmVolume() override;
    void applyEffectVolume() override;
    void applyVoiceVolume() override;
    void switchBgmOutput() override;

    bool save(int slot) override;
    bool load(int slot) override;
    bool previousChoiceSaveExists() const override;
    void restart() override;

    bool toggleDisplayMode() override;
    void updatePresentRect(bool windowHasMenuBar) override;
    bool captureScreen(const std::string& path) override;

private:
    ScenarioRunner& runner_;
    Platform& platform_;
};

}  // namespace morv
