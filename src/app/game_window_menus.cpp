// What each item of the menu bar and the popup menu does.
#include <filesystem>
#include <system_error>

#include "app/game_window.h"
#include "app/window_engine.h"
#include "config/game_config.h"
#include "platform/cp949.h"
#include "platform/platform.h"

namespace morv {

namespace {

constexpr const char* kProgramName = "MORV";
constexpr const char* kProgramVersion = "1.0";
constexpr int kFirstSlot = 1;
constexpr int kLastSlot = 50;
constexpr int kPreviousChoiceSlot = 90;

// The settings sheet's pages as the menu names them, first to fifth.
const char* settingsPageName(MenuItem item) {
    switch (item) {
        case MenuItem::WindowPage:
            return "대사창 설정";
        case MenuItem::TextPage:
            return "텍스트 설정";
        case MenuItem::FontPage:
            return "문자 폰트";
        case MenuItem::SoundPage:
            return "사운드 설정";
        default:
            return "기타 설정";
    }
}

}  // namespace

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
            // Until the settings sheet exists the page is only named.
            platform_.messages().error(std::string(settingsPageName(item)) + " 페이지는 아직 준비되지 않았습니다.");
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
            if (engine->previousChoiceSaveExists()) engine->load(kPreviousChoiceSlot);
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
    if (auto slot = platform_.messages().chooseSlot("게임 저장")) {
        if (*slot >= kFirstSlot && *slot <= kLastSlot) engine.save(*slot);
    }
}

void GameWindow::loadGame(WindowEngine& engine) {
    if (auto slot = platform_.messages().chooseSlot("게임 로드")) {
        if (*slot >= kFirstSlot && *slot <= kLastSlot) engine.load(*slot);
    }
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
