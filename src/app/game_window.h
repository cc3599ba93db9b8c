// The game window and the routing of its events to the engine.
#pragma once
#include "platform/events.h"

namespace morv {

class GameApp;
class ScenarioRunner;

// The game window: hands every window event to the engine operation it reaches.
class GameWindow {
public:
    static constexpr int kInitialWidth = 640;
    static constexpr int kInitialHeight = 480;

    explicit GameWindow(GameApp& app);

    bool create();
    void dispatch(const WindowEvent& event);
    // Destroys the window; the main loop then ends.
    void close();

private:
    // Asks "프로그램을 종료합니다."; closes the window on OK.
    void confirmExit();
    void keyDown(ScenarioRunner& runner, Key key);
    // One engine step per notch.
    void wheel(ScenarioRunner& runner, int notches);
    // A slot saved or loaded at the event's request, with its outcome in the trace.
    void savedGameEvent(ScenarioRunner& runner, const WindowEvent& event);
    // The engine reported the end of the game.
    void closeWhen(bool gameEnded);

    GameApp& app_;
};

}  // namespace morv
