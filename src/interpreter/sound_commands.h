// Sound, movie and Flash commands.
#pragma once
#include "script/scenario_command.h"

namespace morv {

class Clock;
class EngineStatus;
class FlashShow;
class RunningScripts;
class Screen;
class SoundSystem;
class VariableTable;

struct SoundContext {
    SoundSystem& sound;
    FlashShow& flash;
    Screen& screen;
    EngineStatus& status;
    RunningScripts& scripts;
    VariableTable& variables;
    Clock& clock;
};

class SoundCommands {
public:
    explicit SoundCommands(const SoundContext& context) : c_(context) {}

    void perform(ScenarioCommand& command);

private:
    SoundContext c_;
};

}  // namespace morv
