// Image commands: background, characters, the stage built by the buffer commands,
// and the wait that shows the new scene.
#pragma once
#include "script/scenario_command.h"

namespace morv {

class Clock;
class EngineStatus;
class ScenarioState;
class Screen;
struct GameConfig;

struct ImageContext {
    const GameConfig& config;
    Screen& screen;
    EngineStatus& status;
    ScenarioState& state;
    Clock& clock;
};

class ImageCommands {
public:
    explicit ImageCommands(const ImageContext& context) : c_(context) {}

    void perform(ScenarioCommand& command);
    // One step of a stepped fade when it is due; the state drops by 2 when it is done.
    void fadeStep();

private:
    // After cg, char, sprite and drawbuffer: show the stage at once or fade to it.
    void imageWaitTail(int delayMs);
    void substitute(ScenarioCommand& command, int first, int last);

    ImageContext c_;
};

}  // namespace morv
