// Image commands: background, characters, the stage built by the buffer commands,
// and the wait that shows the new scene.
#include "config/game_config.h"
#include "display/screen.h"
#include "interpreter/scenario_runner.h"
#include "interpreter/scenario_state.h"
#include "platform/cp949.h"
#include "script/numeric_text.h"

namespace morv {

namespace {

// The fade runs in this many intervals per delay: 8 steps of delay / 32 ms.
constexpr int kFadeIntervalsPerDelay = 32;

bool keyedUnlessNo(const std::string& word) { return !cp949::equalsIgnoreCase(word, "NO"); }

// The character forms. `image` is the first argument, `position` the index of x.
// Forms that remember the position are the sprite ones.
void drawCharacterForm(Screen& screen, const ScenarioCommand& command, int positionArgs, bool remembers) {
    const auto& args = command.args;
    const std::string& image = args[0];
    const int first = command.argCount - positionArgs;  // index of x, when there is one
    const auto value = [&](int index) { return decimalValue(args[static_cast<size_t>(index)]); };
    switch (positionArgs) {
        case 0:
            remembers ? screen.drawCharacterAtLastPosition(image) : screen.drawCharacterCentred(image);
            break;
        case 1:
            remembers ? screen.drawCharacterAtX(image, value(first)) : screen.drawCharacterBottomAligned(image, value(first));
            break;
        default: {
            const bool keyed = positionArgs == 2 || keyedUnlessNo(args[static_cast<size_t>(first + 2)]);
            remembers ? screen.drawCharacterAt(image, value(first), value(first + 1), keyed)
                      : screen.drawCharacter(image, value(first), value(first + 1), keyed);
            break;
        }
    }
}

}  // namespace

int ScenarioRunner::delayArgument(const ScenarioCommand& command, int index) const {
    const std::string& text = command.args[static_cast<size_t>(index)];
    return index < command.argCount && !text.empty() ? decimalValue(text) : config_->cgDelay;
}

void ScenarioRunner::imageWaitTail(int delayMs) {
    const int interval = delayMs / kFadeIntervalsPerDelay;
    if (interval <= 0 || skipping()) {
        screen_->showStage();
        return;
    }
    raiseState(EngineState::kFading);
    step_.begin(now(), interval);
}

bool ScenarioRunner::performImage(ScenarioCommand& command) {
    auto& args = command.args;
    const bool remembers = command.id == CommandId::Sprite || command.id == CommandId::BufferSprite;
    switch (command.id) {
        case CommandId::Cg:
            substitute(command, 0, 1);
            screen_->setBackground(args[0]);
            state_->flags.Set(args[0]);
            imageWaitTail(delayArgument(command, 1));
            break;
        case CommandId::BufferCg:
            substitute(command, 0, 0);
            screen_->setBackground(args[0]);
            state_->flags.Set(args[0]);
            break;
        case CommandId::Char:
        case CommandId::Sprite:
            // image, delay, then up to three position arguments.
            substitute(command, 0, 4);
            if (command.argCount >= 1 && command.argCount <= 5) {
                drawCharacterForm(*screen_, command, std::max(0, command.argCount - 2), remembers);
            } else {
                screen_->clearCharacters();
            }
            imageWaitTail(command.argCount >= 1 && command.argCount <= 5 ? delayArgument(command, 1)
                                                                        : config_->cgDelay);
            break;
        case CommandId::BufferChar:
        case CommandId::BufferSprite:
            substitute(command, 0, 3);
            if (command.argCount >= 1 && command.argCount <= 4) {
                drawCharacterForm(*screen_, command, command.argCount - 1, remembers);
            } else {
                screen_->clearCharacters();
            }
            break;
        case CommandId::DrawBuffer:
            substitute(command, 0, 0);
            imageWaitTail(delayArgument(command, 0));
            break;
        case CommandId::CharSize:
            substitute(command, 0, 0);
            screen_->setCharacterScale(command.argCount > 0 ? decimalValue(args[0]) : 100);
            break;
        case CommandId::CharRect:
            substitute(command, 0, 3);
            if (command.argCount == 4) {
                screen_->setCharacterClip(
                    {decimalValue(args[0]), decimalValue(args[1]), decimalValue(args[2]), decimalValue(args[3])});
            } else {
                screen_->resetCharacterClip();
            }
            break;
        default:
            break;
    }
    return false;
}

}  // namespace morv
