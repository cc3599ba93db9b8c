// Text output, pages, the text window, fonts and drawn text.
#pragma once
#include <string>

#include "script/scenario_command.h"

namespace morv {

class Clock;
class EngineStatus;
class Screen;
class VariableTable;
struct GameConfig;

struct TextContext {
    const GameConfig& config;
    Screen& screen;
    EngineStatus& status;
    VariableTable& variables;
    Clock& clock;
};

class TextCommands {
public:
    explicit TextCommands(const TextContext& context) : c_(context) {}

    void perform(ScenarioCommand& command);
    // Starts typing a text (the state rises by 1), or shows it whole when hurried.
    void outputText(const std::string& text);
    // Types the next step when it is due.
    void typeNextStep();
    // Continues a message that waited for its page click on a fresh page.
    void continueText();
    // Shows the rest of the message at once (a click while it types).
    void revealRest();
    // In auto mode a wait lasts 2000 - 200 x auto speed ms instead of waiting for a click.
    void startAutoWait();
    void blinkCaret();

private:
    // The result of a message that was shown at once.
    void settleText(int result);
    void substitute(ScenarioCommand& command, int first, int last);

    TextContext c_;
};

}  // namespace morv
