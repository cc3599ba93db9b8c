// Sound, movie and Flash commands.
#pragma once
#include "script/scenario_command.h"

namespace morv {

class EngineStatus;
class RunningScripts;
class Screen;
class SoundSystem;
class VariableTable;

struct SoundContext {
    SoundSystem& sound;
    Screen& screen;
    EngineStatus& status;
    RunningScripts& scripts;
    VariableTable& variables;
};

class SoundCommands {
public:
    explicit SoundCommands(const SoundContext& context) : c_(context) {}

    void perform(ScenarioCommand& command);

private:
    SoundContext c_;
};

}  // namespace morv
