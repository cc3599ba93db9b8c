// What each item of the menu bar and the popup menu does.
#include <filesystem>
#include <string>
#include <vector>
#include <system_error>

#include "app/game_window.h"
#include "app/window_engine.h"
#include "config/game_config.h"
#include "dialogs/dialog_font.h"
#include "dialogs/set_property.h"
#include "dialogs/settings_target.h"
#include "dialogs/slot_dialogs.h"
#include "display/text_font.h"
#include "interpreter/save_procedure.h"
#include "platform/cp949.h"
#include "platform/font_families.h"
#include "platform/platform.h"

namespace morv {

namespace {

constexpr const char* kProgramName = "MORV";
constexpr const char* kProgramVersion = "1.0";

// The sheet's page each settings item brings to the front.
CSetProperty::Page settingsPage(MenuItem item) {
    switch (item) {
        case MenuItem::WindowPage:
            return CSetProperty::WindowPage;
        case MenuItem::TextPage:
            return CSetProperty::TextPage;
        case MenuItem::FontPage:
            return CSetProperty::FontPage;
        case MenuItem::SoundPage:
            return CSetProperty::SoundPage;
        default:
            return CSetProperty::OtherPage;
    }
}

constexpr size_t kMostFontFaces = 30;

}  // namespace

// The sound switches as the settings sheet flips them: through the window's own
// menu commands.
class GameWindow::MenuSoundSwitches final : public SoundSwitches {
public:
    explicit MenuSoundSwitches(GameWindow& window) : window_(window) {}
    void toggleBgm() override { window_.menuCommand(MenuItem::Bgm); }
    void toggleEffects() override { window_.menuCommand(MenuItem::SoundEffects); }
    void toggleVoice() override { window_.menuCommand(MenuItem::Voice); }

private:
    GameWindow& window_;
};

void GameWindow::menuCommand(MenuItem item) {
    WindowEngine* engine = host_.engine();
    if (item == MenuItem::Exit) {
        confirmExit();
        return;
    }
    if (item == MenuItem::About) {
        platform_.messages().error(std::string(kProgramName) + " " + kProgramVersion);
        return;
    }
    if (engine == nullptr) return;
    GameConfig& config = engine->config();
    switch (item) {
        case MenuItem::FullScreen:
            if (config.windowed) switchDisplayMode();
            break;
        case MenuItem::Windowed:
            if (!config.windowed) switchDisplayMode();
            break;
        case MenuItem::Bgm:
            config.bgmOn = !config.bgmOn;
            engine->bgmSwitchChanged();
            break;
        case MenuItem::SoundEffects:
            config.effectsOn = !config.effectsOn;
            engine->effectsSwitchChanged();
            break;
        case MenuItem::Voice:
            config.voiceOn = !config.voiceOn;
            engine->voiceSwitchChanged();
            break;
        case MenuItem::MouseTracking:
            config.mouseTracking = !config.mouseTracking;
            break;
        case MenuItem::ReadTextFast:
        case MenuItem::PopupReadTextFast:
            engine->setSkipRead(!engine->skipRead());
            break;
        case MenuItem::WindowPage:
        case MenuItem::TextPage:
        case MenuItem::FontPage:
        case MenuItem::SoundPage:
        case MenuItem::OtherPage:
            openSettings(*engine, settingsPage(item));
            break;
        case MenuItem::Help:
            openHelp();
            break;
        case MenuItem::ToggleTextWindow:
            engine->toggleTextWindow();
            break;
        case MenuItem::AutoPlay:
            engine->setAuto(true);
            break;
        case MenuItem::ReviewBack:
            engine->reviewBack();
            break;
        case MenuItem::PreviousChoice:
            // Chosen only while enabled; a command sent some other way still needs the file.
            if (engine->previousChoiceSaveExists()) engine->load(SaveProcedure::kPreviousChoiceSlot);
            break;
        case MenuItem::SaveGame:
            saveGame(*engine);
            break;
        case MenuItem::LoadGame:
            loadGame(*engine);
            break;
        case MenuItem::Restart:
            if (platform_.messages().question("프로그램을 재시작합니다.")) engine->restart();
            break;
        case MenuItem::CaptureScreen:
            captureScreen(*engine);
            break;
        default:
            break;
    }
}

void GameWindow::switchDisplayMode() {
    WindowEngine* engine = host_.engine();
    if (engine == nullptr || !engine->toggleDisplayMode()) return;
    // Leaving full screen brings the menu bar back; entering it puts the bar away
    // until the pointer comes near the top or Alt is pressed.
    menuEntered_ = false;
    platform_.window().setMenuBarAttached(engine->config().windowed);
    engine->updatePresentRect(engine->config().windowed);
}

void GameWindow::leaveFullScreen() {
    if (fullScreen()) switchDisplayMode();
}

void GameWindow::openHelp() {
    leaveFullScreen();
    WindowEngine* engine = host_.engine();
    if (engine == nullptr) return;
    const std::string& helpFile = engine->config().helpFile;
    auto found = platform_.files().find(helpFile);
    platform_.window().openDocument(found ? found->string() : helpFile);
}

void GameWindow::saveGame(WindowEngine& engine) {
    std::unique_ptr<TextFont> font = dialogFont();
    SaveDialog dialog(engine.config(), platform_.files(), platform_.messages(), *font);
    platform_.messages().runDialog(dialog);
    if (dialog.result() > 0) engine.save(dialog.result());
}

void GameWindow::loadGame(WindowEngine& engine) {
    std::unique_ptr<TextFont> font = dialogFont();
    // A deleted file closes the dialog; it opens again with the shorter list.
    int result = -1;
    while (result == -1) {
        LoadDialog dialog(engine.config(), platform_.files(), platform_.messages(), *font);
        platform_.messages().runDialog(dialog);
        result = dialog.result();
    }
    if (result > 0) engine.load(result);
}

void GameWindow::openSettings(WindowEngine& engine, int page) {
    std::vector<std::string> faces;
    for (const std::string& family : hangulFontFamilies(kMostFontFaces)) faces.push_back(cp949::fromUtf8(family));
    MenuSoundSwitches switches(*this);
    CSetProperty sheet(engine.config(), platform_.messages(), {engine, switches}, std::move(faces),
                       static_cast<CSetProperty::Page>(page));
    platform_.messages().runDialog(sheet);
}

void GameWindow::captureScreen(WindowEngine& engine) {
    // The dialog may change the current directory; the game's relative paths need it back.
    std::error_code error;
    const std::filesystem::path gameDirectory = std::filesystem::current_path(error);
    auto path = platform_.messages().saveFileName(".bmp", "비트맵 파일 (*.bmp)|*.bmp||");
    if (path) engine.captureScreen(*path);
    if (!error) std::filesystem::current_path(gameDirectory, error);
}

}  // namespace morv
