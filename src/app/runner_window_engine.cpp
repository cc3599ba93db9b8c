// The game window's operations on the ScenarioRunner.
#include "app/runner_window_engine.h"

#include "config/game_config.h"
#include "display/screen.h"
#include "image/screen_capture.h"
#include "interpreter/scenario_runner.h"
#include "platform/platform.h"
#include "sound/sound_system.h"

namespace morv {

bool RunnerWindowEngine::advance(std::optional<PointerPosition> at) { return runner_.Advance(at); }
void RunnerWindowEngine::toggleTextWindow() { runner_.toggleWindow(); }
bool RunnerWindowEngine::cancel() { return runner_.cancel(); }
bool RunnerWindowEngine::fastForward() { return runner_.fastForward(); }
void RunnerWindowEngine::endFastForward() { runner_.endFastForward(); }
bool RunnerWindowEngine::arrowKey(bool up) {
    return runner_.arrowKey(up ? PlayerInput::Arrow::Up : PlayerInput::Arrow::Down);
}
void RunnerWindowEngine::reviewBack() { runner_.reviewBack(); }
bool RunnerWindowEngine::reviewForward() { return runner_.reviewForward(); }
void RunnerWindowEngine::pointerMove(PointerPosition at, bool leftHeld) { runner_.pointerMove(at, leftHeld); }
void RunnerWindowEngine::buttonRelease() { runner_.buttonRelease(); }

void RunnerWindowEngine::mediaNotification(int code) { runner_.mediaNotification(code); }

int RunnerWindowEngine::engineState() const { return runner_.engineState().value(); }
bool RunnerWindowEngine::skipRead() const { return runner_.skipRead(); }
void RunnerWindowEngine::setSkipRead(bool on) { runner_.setSkipRead(on); }
void RunnerWindowEngine::setAuto(bool on) { runner_.setAuto(on); }
GameConfig& RunnerWindowEngine::config() { return *runner_.config(); }

void RunnerWindowEngine::bgmSwitchChanged() {
    if (runner_.sound()) runner_.sound()->bgmSwitchChanged();
}
void RunnerWindowEngine::effectsSwitchChanged() {
    if (runner_.sound()) runner_.sound()->effectsSwitchChanged();
}
void RunnerWindowEngine::voiceSwitchChanged() {
    if (runner_.sound()) runner_.sound()->voiceSwitchChanged();
}

void RunnerWindowEngine::applyTextWindow() { applyTextSettings(); }
void RunnerWindowEngine::applyTextSettings() {
    if (Screen* screen = runner_.screen()) screen->applyTextSettings(false);
}
void RunnerWindowEngine::applyFont() {
    if (Screen* screen = runner_.screen()) screen->applyTextSettings(true);
}
void RunnerWindowEngine::applyBgmVolume() {
    if (runner_.sound()) runner_.sound()->applyBgmVolume();
}
void RunnerWindowEngine::applyEffectVolume() {
    if (runner_.sound()) runner_.sound()->applyEffectVolume();
}
void RunnerWindowEngine::applyVoiceVolume() {
    if (runner_.sound()) runner_.sound()->applyVoiceVolume();
}
void RunnerWindowEngine::switchBgmOutput() {
    if (runner_.sound()) runner_.sound()->switchBgmOutput();
}

bool RunnerWindowEngine::save(int slot) { return runner_.save(slot); }
bool RunnerWindowEngine::load(int slot) { return runner_.load(slot); }
bool RunnerWindowEngine::previousChoiceSaveExists() const { return runner_.previousChoiceSaveExists(); }
void RunnerWindowEngine::restart() { runner_.restart(); }

bool RunnerWindowEngine::toggleDisplayMode() { return runner_.toggleDisplayMode() >= 0; }

void RunnerWindowEngine::updatePresentRect(bool windowHasMenuBar) {
    if (Screen* screen = runner_.screen()) screen->updatePresentRect(windowHasMenuBar);
}

bool RunnerWindowEngine::captureScreen(const std::string& path) {
    Screen* screen = runner_.screen();
    if (screen == nullptr) return false;
    const Surface& frame = screen->surface(SurfaceRole::FrameSurface);
    if (!frame.valid()) return false;
    return writeCapture(platform_.files(), platform_.messages(), path, frame.row(0), static_cast<size_t>(frame.pitch()),
                        frame.format(), frame.width(), frame.height());
}

}  // namespace morv
