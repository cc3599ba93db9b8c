// Routing window events to the engine.
#include "app/game_window.h"

#include "app/window_engine.h"
#include "config/game_config.h"
#include "image/icon_file.h"
#include "platform/platform.h"

namespace morv {

namespace {

// The popup opens neither over a running show (bits 4 to 7) nor in the review.
bool popupAllowed(int engineState) { return (engineState & 0xF0) == 0 && engineState % 16 != 4; }

// Icons and pointers are taken at 32 pixels a side where the file offers several sizes.
constexpr int kIconSide = 32;

}  // namespace

std::optional<RgbaPicture> GameWindow::readPictureFile(const std::string& name) {
    if (name.empty()) return std::nullopt;
    auto bytes = platform_.files().readAll(name);
    if (!bytes) return std::nullopt;
    return readIconOrPicture(*bytes, kIconSide);
}

GameWindow::GameWindow(Platform& platform, WindowHost& host) : platform_(platform), host_(host) {}

bool GameWindow::create() {
    WindowSystem& window = platform_.window();
    if (!window.create(kInitialWidth, kInitialHeight, "MORV")) return false;
    window.setMenuRefresh([this] { return menuStates(); });
    return true;
}

void GameWindow::engineStarted() {
    WindowEngine* engine = host_.engine();
    if (engine == nullptr) return;
    const GameConfig& config = engine->config();
    // A file that cannot be read leaves the program's own icon or pointer.
    if (auto icon = readPictureFile(config.iconFile)) platform_.window().setIcon(*icon);
    if (auto cursor = readPictureFile(config.cursorFile)) platform_.window().setCursor(*cursor);
    const bool windowed = config.windowed;
    platform_.window().setMenuBarAttached(windowed);
    engine->updatePresentRect(windowed);
}

void GameWindow::dispatch(const WindowEvent& event) {
    WindowEngine* engine = host_.engine();
    switch (event.kind) {
        case WindowEvent::Kind::Activate:
            host_.setActive(event.value != 0);
            break;
        case WindowEvent::Kind::CloseRequest:
            confirmExit();
            break;
        case WindowEvent::Kind::CloseWindow:
            close();
            break;
        case WindowEvent::Kind::WindowDestroyed:
            // Nothing is left to close or ask: the game ends as after its last line.
            host_.setQuit();
            break;
        case WindowEvent::Kind::KeyDown:
            if (event.key == Key::Alt) {
                attachMenuBar(true);
            } else if (!engine) {
                if (event.key == Key::Escape) confirmExit();
            } else {
                keyDown(*engine, event.key);
            }
            break;
        case WindowEvent::Kind::KeyUp:
            if (engine && event.key == Key::Ctrl) engine->endFastForward();
            break;
        case WindowEvent::Kind::MouseDown:
            if (!engine) break;
            if (event.button == MouseButton::Left) {
                leftButtonDown(*engine, event);
            } else {
                contextMenu(*engine, event);
            }
            break;
        case WindowEvent::Kind::MouseUp:
            if (engine && event.button == MouseButton::Left) engine->buttonRelease();
            break;
        case WindowEvent::Kind::MouseMove:
            if (engine) mouseMove(*engine, event);
            break;
        case WindowEvent::Kind::MenuBarMove:
            if (engine && fullScreen()) menuEntered_ = true;
            break;
        case WindowEvent::Kind::MenuCommand:
            menuCommand(static_cast<MenuItem>(event.value));
            break;
        case WindowEvent::Kind::MediaNotify:
            if (engine) engine->mediaNotification(event.value);
            break;
        case WindowEvent::Kind::Wheel:
            if (engine) wheel(*engine, event.value);
            break;
        case WindowEvent::Kind::ToggleDisplayMode:
            if (engine) switchDisplayMode();
            break;
        case WindowEvent::Kind::SaveGame:
        case WindowEvent::Kind::LoadGame:
            if (engine) savedGameEvent(*engine, event);
            break;
        case WindowEvent::Kind::Quit:
            break;
    }
}

void GameWindow::keyDown(WindowEngine& engine, Key key) {
    switch (key) {
        case Key::Escape:
            if (engine.cancel()) close();
            break;
        case Key::Enter:
            closeWhen(engine.advance(std::nullopt));
            break;
        case Key::Space:
            engine.toggleTextWindow();
            break;
        case Key::Ctrl:
            closeWhen(engine.fastForward());
            break;
        case Key::Up:
        case Key::Down:
            closeWhen(engine.arrowKey(key == Key::Up));
            break;
        default:
            break;
    }
}

void GameWindow::leftButtonDown(WindowEngine& engine, const WindowEvent& event) {
    // In full screen the first click after the menu bar appeared only puts it away.
    if (fullScreen() && platform_.window().menuBarAttached()) {
        attachMenuBar(false);
        return;
    }
    closeWhen(engine.advance(PointerPosition{event.x, event.y}));
}

void GameWindow::mouseMove(WindowEngine& engine, const WindowEvent& event) {
    if (event.top < kMenuBarShowDistance && !platform_.window().menuBarAttached()) attachMenuBar(true);
    if (menuEntered_ && fullScreen() && event.top > kMenuBarHideDistance) {
        menuEntered_ = false;
        attachMenuBar(false);
    }
    engine.pointerMove(PointerPosition{event.x, event.y}, event.value != 0);
}

void GameWindow::wheel(WindowEngine& engine, int notches) {
    // Toward the player (negative) the text goes on; away from the player the review steps back.
    for (int i = 0; i < (notches < 0 ? -notches : notches); ++i) {
        if (notches > 0) {
            engine.reviewBack();
        } else if (engine.reviewForward()) {
            closeWhen(true);
            return;
        }
    }
}

void GameWindow::contextMenu(WindowEngine& engine, const WindowEvent& event) {
    if (!popupAllowed(engine.engineState())) return;
    // Opening the popup ends both, whatever the player then chooses.
    engine.setSkipRead(false);
    engine.setAuto(false);
    if (auto chosen = platform_.window().trackPopup(PointerPosition{event.x, event.y})) menuCommand(*chosen);
}

MenuStates GameWindow::menuStates() {
    MenuStates states;
    WindowEngine* engine = host_.engine();
    if (engine == nullptr) return states;
    const GameConfig& config = engine->config();
    states[MenuItem::FullScreen].checked = !config.windowed;
    states[MenuItem::Windowed].checked = config.windowed;
    states[MenuItem::Bgm].checked = config.bgmOn;
    states[MenuItem::SoundEffects].checked = config.effectsOn;
    states[MenuItem::Voice].checked = config.voiceOn;
    states[MenuItem::Voice].enabled = config.voiceAvailable;
    states[MenuItem::MouseTracking].checked = config.mouseTracking;
    states[MenuItem::ReadTextFast].checked = engine->skipRead();
    states[MenuItem::PreviousChoice].enabled = engine->previousChoiceSaveExists();
    if (config.runsFromCdRom) {
        for (MenuItem item : {MenuItem::SaveGame, MenuItem::LoadGame, MenuItem::PreviousChoice}) {
            states[item].enabled = false;
        }
    }
    return states;
}

void GameWindow::closeWhen(bool gameEnded) {
    if (!gameEnded) return;
    platform_.trace().gameEnded();
    close();
}

void GameWindow::confirmExit() {
    if (platform_.messages().question("프로그램을 종료합니다.")) close();
}

void GameWindow::close() {
    platform_.window().destroy();
    host_.setQuit();
}

bool GameWindow::fullScreen() {
    WindowEngine* engine = host_.engine();
    return engine != nullptr && !engine->config().windowed;
}

void GameWindow::attachMenuBar(bool attached) {
    WindowSystem& window = platform_.window();
    if (window.menuBarAttached() == attached) return;
    window.setMenuBarAttached(attached);
    if (WindowEngine* engine = host_.engine()) engine->updatePresentRect(attached);
}

}  // namespace morv
