// Image commands: background, characters, the stage built by the buffer commands,
// and the wait that shows the new scene.
#include "config/game_config.h"
#include "display/screen.h"
#include "interpreter/command_arguments.h"
#include "interpreter/engine_status.h"
#include "interpreter/image_commands.h"
#include "interpreter/scenario_state.h"
#include "platform/clock.h"
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

void ImageCommands::substitute(ScenarioCommand& command, int first, int last) {
    substituteArguments(c_.state.variables, command, first, last);
}

void ImageCommands::imageWaitTail(int delayMs) {
    const int interval = delayMs / kFadeIntervalsPerDelay;
    if (interval <= 0 || c_.status.skipping()) {
        c_.screen.showStage();
        return;
    }
    c_.status.raise(EngineState::kFading);
    c_.status.step.begin(c_.clock.ticks(), interval);
}

void ImageCommands::fadeStep() {
    if (c_.status.step.due(c_.clock.ticks()) && c_.screen.quickFadeStep()) c_.status.lower(EngineState::kFading);
}

void ImageCommands::perform(ScenarioCommand& command) {
    auto& args = command.args;
    Screen& screen = c_.screen;
    const int cgDelay = c_.config.cgDelay;
    const bool remembers = command.id == CommandId::Sprite || command.id == CommandId::BufferSprite;
    switch (command.id) {
        case CommandId::Cg:
            substitute(command, 0, 1);
            screen.setBackground(args[0]);
            c_.state.flags.Set(args[0]);
            imageWaitTail(delayArgument(command, 1, cgDelay));
            break;
        case CommandId::BufferCg:
            substitute(command, 0, 0);
            screen.setBackground(args[0]);
            c_.state.flags.Set(args[0]);
            break;
        case CommandId::Char:
        case CommandId::Sprite:
            // image, delay, then up to three position arguments.
            substitute(command, 0, 4);
            if (command.argCount >= 1 && command.argCount <= 5) {
                drawCharacterForm(screen, command, std::max(0, command.argCount - 2), remembers);
            } else {
                screen.clearCharacters();
            }
            imageWaitTail(command.argCount >= 1 && command.argCount <= 5 ? delayArgument(command, 1, cgDelay)
                                                                        : cgDelay);
            break;
        case CommandId::BufferChar:
        case CommandId::BufferSprite:
            substitute(command, 0, 3);
            if (command.argCount >= 1 && command.argCount <= 4) {
                drawCharacterForm(screen, command, command.argCount - 1, remembers);
            } else {
                screen.clearCharacters();
            }
            break;
        case CommandId::DrawBuffer:
            substitute(command, 0, 0);
            imageWaitTail(delayArgument(command, 0, cgDelay));
            break;
        case CommandId::CharSize:
            substitute(command, 0, 0);
            screen.setCharacterScale(command.argCount > 0 ? decimalValue(args[0]) : 100);
            break;
        case CommandId::CharRect:
            substitute(command, 0, 3);
            if (command.argCount == 4) {
                screen.setCharacterClip(
                    {decimalValue(args[0]), decimalValue(args[1]), decimalValue(args[2]), decimalValue(args[3])});
            } else {
                screen.resetCharacterClip();
            }
            break;
        default:
            break;
    }
}

}  // namespace morv
