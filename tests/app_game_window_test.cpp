// The game window's routing of events and menu commands, against a recording engine.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/game_window.h"
#include "app/window_engine.h"
#include "config/game_config.h"
#include "platform/headless/headless_platform.h"
#include "support/temp_dir.h"

namespace morv::testing {
namespace {

// Notes every engine operation the window reaches, by name.
class RecordingEngine : public WindowEngine {
public:
    bool advance(std::optional<PointerPosition> at) override {
        note(at ? "advance " + std::to_string(at->x) + " " + std::to_string(at->y) : "advance");
        return advanceEnds;
    }
    void toggleTextWindow() override { note("toggleTextWindow"); }
    bool cancel() override {
        note("cancel");
        return cancelCloses;
    }
    bool fastForward() override {
        note("fastForward");
        return false;
    }
    void endFastForward() override { note("endFastForward"); }
    bool arrowKey(bool up) override {
        note(up ? "arrow up" : "arrow down");
        return false;
    }
    void reviewBack() override { note("reviewBack"); }
    bool reviewForward() override {
        note("reviewForward");
        return false;
    }
    void pointerMove(PointerPosition at, bool) override {
        note("pointerMove " + std::to_string(at.x) + " " + std::to_string(at.y));
    }
    void buttonRelease() override { note("buttonRelease"); }
    void mediaNotification(int code) override { note("media " + std::to_string(code)); }
    int engineState() const override { return state; }
    bool skipRead() const override { return skip; }
    void setSkipRead(bool on) override {
        skip = on;
        note(on ? "skipRead on" : "skipRead off");
    }
    void setAuto(bool on) override { note(on ? "auto on" : "auto off"); }
    GameConfig& config() override { return settings; }
    void bgmSwitchChanged() override { note("bgmSwitch"); }
    void effectsSwitchChanged() override { note("effectsSwitch"); }
    void voiceSwitchChanged() override { note("voiceSwitch"); }
    bool save(int slot) override {
        note("save " + std::to_string(slot));
        return true;
    }
    bool load(int slot) override {
        note("load " + std::to_string(slot));
        return true;
    }
    bool previousChoiceSaveExists() const override { return previousChoice; }
    void restart() override { note("restart"); }
    bool toggleDisplayMode() override {
        settings.windowed = !settings.windowed;
        note(settings.windowed ? "display windowed" : "display full");
        return true;
    }
    void updatePresentRect(bool bar) override { note(bar ? "presentRect bar" : "presentRect no bar"); }
    bool captureScreen(const std::string& path) override {
        note("capture " + path);
        return true;
    }

    bool has(const std::string& call) const { return std::find(calls.begin(), calls.end(), call) != calls.end(); }
    void note(const std::string& call) { calls.push_back(call); }

    std::vector<std::string> calls;
    GameConfig settings;
    int state = 0;
    bool skip = false;
    bool previousChoice = false;
    bool advanceEnds = false;
    bool cancelCloses = false;
};

class Host : public WindowHost {
public:
    explicit Host(WindowEngine& engine) : engine_(engine) {}
    WindowEngine* engine() override { return &engine_; }
    void setActive(bool on) override { active = on; }
    void setQuit() override { quit = true; }

    bool active = false;
    bool quit = false;

private:
    WindowEngine& engine_;
};

WindowEvent key(WindowEvent::Kind kind, Key which) {
    WindowEvent event;
    event.kind = kind;
    event.key = which;
    return event;
}

WindowEvent mouse(WindowEvent::Kind kind, int x, int y, MouseButton button = MouseButton::Left) {
    WindowEvent event;
    event.kind = kind;
    event.button = button;
    event.x = x;
    event.y = y;
    event.top = y;
    return event;
}

WindowEvent command(MenuItem item) {
    WindowEvent event;
    event.kind = WindowEvent::Kind::MenuCommand;
    event.value = static_cast<int>(item);
    return event;
}

EventStep menuStep(MenuItem item) {
    EventStep step;
    step.kind = EventStep::Kind::Menu;
    step.a = static_cast<int>(item);
    return step;
}

EventStep answerStep(const std::string& text) {
    EventStep step;
    step.kind = EventStep::Kind::Answer;
    step.text = text;
    return step;
}

HeadlessOptions optionsWith(std::vector<EventStep> steps) {
    HeadlessOptions options;
    options.events = std::move(steps);
    return options;
}

// A window over the headless platform; `steps` are what the event script holds.
struct WindowFixture {
    explicit WindowFixture(std::vector<EventStep> steps = {})
        : platform(optionsWith(std::move(steps))), host(engine), window(platform, host) {
        window.create();
    }
    // Handles every event the platform has for the window now.
    void pump() {
        WindowEvent event;
        while (platform.events().poll(event)) {
            if (event.kind == WindowEvent::Kind::Quit) break;
            window.dispatch(event);
        }
    }
    bool traced(const std::string& text) const {
        for (const std::string& line : platform.traceLines()) {
            if (line.find(text) != std::string::npos) return true;
        }
        return false;
    }

    RecordingEngine engine;
    HeadlessPlatform platform;
    Host host;
    GameWindow window;
};

TEST(GameWindowRouting, KeysWheelButtonsAndNotificationsReachTheirOperations) {
    WindowFixture f;
    f.window.dispatch(key(WindowEvent::Kind::KeyDown, Key::Enter));
    f.window.dispatch(key(WindowEvent::Kind::KeyDown, Key::Ctrl));
    f.window.dispatch(key(WindowEvent::Kind::KeyUp, Key::Ctrl));
    f.window.dispatch(key(WindowEvent::Kind::KeyDown, Key::Space));
    f.window.dispatch(key(WindowEvent::Kind::KeyDown, Key::Up));
    f.window.dispatch(key(WindowEvent::Kind::KeyDown, Key::Down));
    f.window.dispatch(key(WindowEvent::Kind::KeyDown, Key::Escape));
    f.window.dispatch(mouse(WindowEvent::Kind::MouseDown, 10, 200));
    f.window.dispatch(mouse(WindowEvent::Kind::MouseUp, 10, 200));
    f.window.dispatch(mouse(WindowEvent::Kind::MouseMove, 30, 300));
    WindowEvent wheel;
    wheel.kind = WindowEvent::Kind::Wheel;
    wheel.value = 2;
    f.window.dispatch(wheel);
    wheel.value = -1;
    f.window.dispatch(wheel);
    WindowEvent media;
    media.kind = WindowEvent::Kind::MediaNotify;
    media.value = 7;
    f.window.dispatch(media);
    WindowEvent active;
    active.kind = WindowEvent::Kind::Activate;
    active.value = 1;
    f.window.dispatch(active);

    const std::vector<std::string> expected = {
        "advance", "fastForward", "endFastForward", "toggleTextWindow", "arrow up", "arrow down", "cancel",
        "advance 10 200", "buttonRelease", "pointerMove 30 300", "reviewBack", "reviewBack", "reviewForward",
        "media 7"};
    EXPECT_EQ(f.engine.calls, expected);
    EXPECT_TRUE(f.host.active);
    EXPECT_FALSE(f.host.quit);
    // Space and the popup's item reach the same operation, so SPACEKEY "OFF" stops both.
    f.engine.calls.clear();
    f.window.dispatch(command(MenuItem::ToggleTextWindow));
    EXPECT_EQ(f.engine.calls, std::vector<std::string>{"toggleTextWindow"});
}

TEST(GameWindowRouting, TheEndOfTheGameAndAnAgreedEscapeCloseTheWindow) {
    WindowFixture f;
    f.engine.advanceEnds = true;
    f.window.dispatch(key(WindowEvent::Kind::KeyDown, Key::Enter));
    EXPECT_TRUE(f.host.quit);
    EXPECT_FALSE(f.platform.windowOpen());
    EXPECT_TRUE(f.traced("] end"));

    WindowFixture g;
    g.engine.cancelCloses = true;
    g.window.dispatch(key(WindowEvent::Kind::KeyDown, Key::Escape));
    EXPECT_TRUE(g.host.quit);

    // A window destroyed by another program ends the game without a question.
    WindowFixture h({answerStep("cancel")});
    h.pump();
    WindowEvent destroyed;
    destroyed.kind = WindowEvent::Kind::WindowDestroyed;
    h.window.dispatch(destroyed);
    EXPECT_TRUE(h.host.quit);
    EXPECT_FALSE(h.traced("question"));
}

TEST(GameWindowRouting, TheCloseBoxAsksAndCancelKeepsTheWindow) {
    WindowFixture f({answerStep("cancel")});
    f.pump();
    WindowEvent close;
    close.kind = WindowEvent::Kind::CloseRequest;
    f.window.dispatch(close);
    EXPECT_FALSE(f.host.quit);
    f.window.dispatch(close);  // unanswered questions get OK
    EXPECT_TRUE(f.host.quit);
    EXPECT_TRUE(f.traced("question \"프로그램을 종료합니다.\" -> cancel"));
}

TEST(GameWindowFullScreen, TheMenuBarComesNearTheTopAndTheFirstClickOnlyPutsItAway) {
    WindowFixture f;
    f.engine.settings.windowed = false;
    f.window.engineStarted();
    EXPECT_FALSE(f.platform.window().menuBarAttached());

    f.window.dispatch(mouse(WindowEvent::Kind::MouseMove, 100, 10));
    EXPECT_TRUE(f.platform.window().menuBarAttached());
    EXPECT_TRUE(f.engine.has("presentRect bar"));
    EXPECT_TRUE(f.engine.has("pointerMove 100 10"));

    f.engine.calls.clear();
    f.window.dispatch(mouse(WindowEvent::Kind::MouseDown, 100, 200));
    EXPECT_FALSE(f.platform.window().menuBarAttached());
    EXPECT_EQ(f.engine.calls, std::vector<std::string>{"presentRect no bar"});
    f.window.dispatch(mouse(WindowEvent::Kind::MouseDown, 100, 200));
    EXPECT_TRUE(f.engine.has("advance 100 200"));
}

TEST(GameWindowFullScreen, LeavingTheMenuBarHidesItOnlyPastFiftyPixels) {
    WindowFixture f;
    f.engine.settings.windowed = false;
    f.window.engineStarted();
    f.window.dispatch(mouse(WindowEvent::Kind::MouseMove, 5, 5));
    WindowEvent onBar;
    onBar.kind = WindowEvent::Kind::MenuBarMove;
    f.window.dispatch(onBar);
    EXPECT_TRUE(f.window.menuEntered());
    f.window.dispatch(mouse(WindowEvent::Kind::MouseMove, 5, 50));
    EXPECT_TRUE(f.platform.window().menuBarAttached());
    f.window.dispatch(mouse(WindowEvent::Kind::MouseMove, 5, 51));
    EXPECT_FALSE(f.platform.window().menuBarAttached());
    EXPECT_FALSE(f.window.menuEntered());
    // Alt brings it back.
    f.window.dispatch(key(WindowEvent::Kind::KeyDown, Key::Alt));
    EXPECT_TRUE(f.platform.window().menuBarAttached());
}

TEST(GameWindowFullScreen, WindowModeKeepsTheBarAndClicksAdvance) {
    WindowFixture f;
    f.window.engineStarted();
    f.window.dispatch(mouse(WindowEvent::Kind::MouseMove, 5, 60));
    f.window.dispatch(mouse(WindowEvent::Kind::MouseDown, 5, 60));
    EXPECT_TRUE(f.platform.window().menuBarAttached());
    EXPECT_TRUE(f.engine.has("advance 5 60"));
}

TEST(GameWindowMenus, DisplayModeItemsSwitchAndMoveTheMenuBar) {
    WindowFixture f;
    f.window.engineStarted();
    f.window.dispatch(command(MenuItem::Windowed));  // already windowed: nothing
    EXPECT_FALSE(f.engine.has("display full"));
    f.window.dispatch(command(MenuItem::FullScreen));
    EXPECT_TRUE(f.engine.has("display full"));
    EXPECT_FALSE(f.platform.window().menuBarAttached());
    EXPECT_TRUE(f.window.menuStates().get(MenuItem::FullScreen).checked);
    f.window.dispatch(command(MenuItem::Windowed));
    EXPECT_TRUE(f.engine.has("display windowed"));
    EXPECT_TRUE(f.platform.window().menuBarAttached());
}

TEST(GameWindowMenus, HelpLeavesFullScreenBeforeOpeningTheDocument) {
    WindowFixture f;
    f.engine.settings.windowed = false;
    f.engine.settings.helpFile = "manual.html";
    f.window.dispatch(command(MenuItem::Help));
    EXPECT_EQ(f.engine.calls.front(), "display windowed");
    ASSERT_EQ(f.platform.documentsOpened().size(), 1u);
    EXPECT_EQ(f.platform.documentsOpened()[0], "manual.html");
}

TEST(GameWindowMenus, SwitchesFlipTheSettingsAndTellTheSound) {
    WindowFixture f;
    GameConfig& config = f.engine.settings;
    config.bgmOn = config.effectsOn = config.voiceOn = config.mouseTracking = true;
    for (MenuItem item : {MenuItem::Bgm, MenuItem::SoundEffects, MenuItem::Voice, MenuItem::MouseTracking,
                          MenuItem::ReadTextFast}) {
        f.window.dispatch(command(item));
    }
    EXPECT_FALSE(config.bgmOn);
    EXPECT_FALSE(config.effectsOn);
    EXPECT_FALSE(config.voiceOn);
    EXPECT_FALSE(config.mouseTracking);
    EXPECT_TRUE(f.engine.skip);
    EXPECT_EQ(f.engine.calls,
              (std::vector<std::string>{"bgmSwitch", "effectsSwitch", "voiceSwitch", "skipRead on"}));
    MenuStates states = f.window.menuStates();
    EXPECT_FALSE(states.get(MenuItem::Bgm).checked);
    EXPECT_TRUE(states.get(MenuItem::ReadTextFast).checked);
}

TEST(GameWindowMenus, ABarItemChosenByIdActsOnlyWhenTheRefreshedMenuEnablesIt) {
    // The voice item is disabled without VOICE "on"; the menu is refreshed as it opens.
    WindowFixture f({menuStep(MenuItem::Voice), menuStep(MenuItem::Bgm)});
    f.engine.settings.voiceAvailable = false;
    f.pump();
    EXPECT_EQ(f.engine.calls, std::vector<std::string>{"bgmSwitch"});

    WindowFixture g({menuStep(MenuItem::Voice)});
    g.engine.settings.voiceAvailable = true;
    g.pump();
    EXPECT_EQ(g.engine.calls, std::vector<std::string>{"voiceSwitch"});
}

TEST(GameWindowMenus, SettingsPagesAboutExitAndRestart) {
    WindowFixture f({answerStep("cancel"), answerStep("ok"), answerStep("cancel")});
    f.pump();
    f.window.dispatch(command(MenuItem::FontPage));
    f.window.dispatch(command(MenuItem::About));
    EXPECT_TRUE(f.traced("message \"문자 폰트 페이지는 아직 준비되지 않았습니다.\""));
    EXPECT_TRUE(f.traced("message \"MORV 1.0\""));
    f.window.dispatch(command(MenuItem::Exit));
    EXPECT_FALSE(f.host.quit);
    f.window.dispatch(command(MenuItem::Restart));
    f.window.dispatch(command(MenuItem::Restart));
    EXPECT_EQ(std::count(f.engine.calls.begin(), f.engine.calls.end(), "restart"), 1);
    EXPECT_TRUE(f.traced("question \"프로그램을 재시작합니다.\" -> ok"));
}

TEST(GameWindowPopup, OpensOnlyOutsideShowsAndTheReview) {
    for (int state : {0, 1, 2, 3, 256, 257, 4096}) {
        WindowFixture f;
        f.engine.state = state;
        f.window.dispatch(mouse(WindowEvent::Kind::MouseDown, 50, 60, MouseButton::Right));
        EXPECT_TRUE(f.traced("popup 50 60")) << state;
    }
    for (int state : {4, 16, 17, 20, 26, 32, 42, 43, 260}) {
        WindowFixture f;
        f.engine.state = state;
        f.window.dispatch(mouse(WindowEvent::Kind::MouseDown, 50, 60, MouseButton::Right));
        EXPECT_FALSE(f.traced("popup")) << state;
        EXPECT_TRUE(f.engine.calls.empty()) << state;
    }
}

TEST(GameWindowPopup, OpeningEndsAutoAndReadTextFastEvenWhenNothingIsChosen) {
    WindowFixture f;
    f.engine.skip = true;
    f.window.dispatch(mouse(WindowEvent::Kind::MouseDown, 1, 2, MouseButton::Right));
    EXPECT_EQ(f.engine.calls, (std::vector<std::string>{"skipRead off", "auto off"}));
    EXPECT_TRUE(f.traced("popup closed"));
}

TEST(GameWindowPopup, PreviousChoiceIsEnabledOnlyWhileItsSaveExists) {
    WindowFixture without({menuStep(MenuItem::PreviousChoice)});
    without.window.dispatch(mouse(WindowEvent::Kind::MouseDown, 1, 2, MouseButton::Right));
    EXPECT_FALSE(without.engine.has("load 90"));
    EXPECT_FALSE(without.window.menuStates().get(MenuItem::PreviousChoice).enabled);

    WindowFixture with({menuStep(MenuItem::PreviousChoice)});
    with.engine.previousChoice = true;
    with.window.dispatch(mouse(WindowEvent::Kind::MouseDown, 1, 2, MouseButton::Right));
    EXPECT_TRUE(with.engine.has("load 90"));
    EXPECT_TRUE(with.traced("popup chose 32777"));
}

TEST(GameWindowPopup, FromACdRomSavingAndLoadingAreDisabled) {
    WindowFixture f({menuStep(MenuItem::SaveGame)});
    f.engine.settings.runsFromCdRom = true;
    f.engine.previousChoice = true;
    MenuStates states = f.window.menuStates();
    for (MenuItem item : {MenuItem::SaveGame, MenuItem::LoadGame, MenuItem::PreviousChoice}) {
        EXPECT_FALSE(states.get(item).enabled);
    }
    f.window.dispatch(mouse(WindowEvent::Kind::MouseDown, 1, 2, MouseButton::Right));
    EXPECT_FALSE(f.traced("slots"));
}

TEST(GameWindowPopup, SaveAndLoadTakeASlotFromOneToFifty) {
    WindowFixture f({answerStep("3"), answerStep("cancel"), answerStep("51"), answerStep("12")});
    f.pump();
    f.window.dispatch(command(MenuItem::SaveGame));
    f.window.dispatch(command(MenuItem::SaveGame));
    f.window.dispatch(command(MenuItem::LoadGame));
    f.window.dispatch(command(MenuItem::LoadGame));
    EXPECT_EQ(f.engine.calls, (std::vector<std::string>{"save 3", "load 12"}));
}

TEST(GameWindowCapture, CancellingWritesNothingAndKeepsTheDirectory) {
    TempDir game;
    CurrentDirectory inGame(game.path());
    WindowFixture f({answerStep("cancel")});
    f.pump();
    f.window.dispatch(command(MenuItem::CaptureScreen));
    EXPECT_FALSE(f.engine.has("capture"));
    EXPECT_TRUE(f.engine.calls.empty());
    EXPECT_EQ(std::filesystem::current_path(), game.path());
    EXPECT_TRUE(std::filesystem::is_empty(game.path()));
}

TEST(GameWindowCapture, ANameGetsTheBmpExtensionAndAnExistingFileIsReplacedOnlyOnOk) {
    TempDir game;
    CurrentDirectory inGame(game.path());
    game.write("old.bmp", "x");
    WindowFixture f({answerStep("shot"), answerStep("old.bmp"), answerStep("cancel"), answerStep("old"),
                     answerStep("ok")});
    f.pump();
    f.window.dispatch(command(MenuItem::CaptureScreen));
    f.window.dispatch(command(MenuItem::CaptureScreen));
    f.window.dispatch(command(MenuItem::CaptureScreen));
    EXPECT_EQ(f.engine.calls, (std::vector<std::string>{"capture shot.bmp", "capture old.bmp"}));
    EXPECT_TRUE(f.traced("question \"old.bmp이(가) 이미 있습니다.\\n바꾸시겠습니까?\" -> cancel"));
    EXPECT_EQ(std::filesystem::current_path(), game.path());
}

TEST(GameWindowStart, TheGamesIconAndPointerFilesAreSetAndUnreadableOnesLeftOut) {
    TempDir game;
    CurrentDirectory inGame(game.path());
    // A 1 x 1 24-bit BMP: file header, information header, one padded row.
    std::string bmp = "BM";
    for (uint32_t value : {58u, 0u, 54u, 40u, 1u, 1u}) {
        for (int i = 0; i < 4; ++i) bmp.push_back(static_cast<char>(value >> (8 * i)));
    }
    bmp += std::string("\x01\x00\x18\x00", 4) + std::string(24, '\0') + std::string("\x10\x20\x30\x00", 4);
    game.write("CG/Game.bmp", bmp);
    game.write("broken.cur", "nothing");
    WindowFixture f;
    f.engine.settings.iconFile = "cg\\game.BMP";
    f.engine.settings.cursorFile = "broken.cur";
    f.window.engineStarted();
    EXPECT_EQ(f.platform.icon().width, 1);
    ASSERT_EQ(f.platform.icon().rgba.size(), 4u);
    EXPECT_EQ(f.platform.icon().rgba[0], 0x30);
    EXPECT_EQ(f.platform.cursor().width, 0);
}

}  // namespace
}  // namespace morv::testing
