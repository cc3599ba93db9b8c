// Menu screens: the button script builds the buttons, a click acts on one.
#include "interpreter/menu_screen.h"

#include "display/screen.h"
#include "interpreter/command_arguments.h"
#include "interpreter/command_execution.h"
#include "interpreter/engine_status.h"
#include "interpreter/running_scripts.h"
#include "interpreter/scenario_state.h"
#include "interpreter/system_commands.h"
#include "platform/cp949.h"
#include "platform/message_boxes.h"
#include "platform/text_format.h"
#include "script/numeric_text.h"
#include "script/script_file.h"
#include "sound/sound_system.h"

namespace morv {

bool MenuScreen::build() {
    Screen& screen = c_.screen;
    auto& menu = c_.state.menuButtons;
    menu.clear();
    const auto add = [&](ButtonRecord button) { return c_.state.addMenuButton(std::move(button)); };
    while (c_.scripts.running()) {
        const ScenarioCommand* next = c_.scripts.running()->Next();
        if (!next || next->id == CommandId::End) break;
        ScenarioCommand command = *next;
        auto& args = command.args;
        const auto value = [&](size_t index) { return decimalValue(args[index]); };
        switch (command.id) {
            case CommandId::Button: {
                substituteArguments(c_.state.variables, command, 0, 8);
                const Rect rect{value(2), value(3), value(4), value(5)};
                if (add(imageButton(buttonActionFromWord(args[0]), args[1], rect, args[6], args[7], args[8]))) screen.drawPictureOnScene(args[6], value(2), value(3));
                break;
            }
            case CommandId::TextButton: {
                substituteArguments(c_.state.variables, command, 0, 3);
                if (add(textButton(buttonActionFromWord(args[0]), args[1], value(2), value(3), args[4],
                                   screen.measureText(args[4]), screen.textLineRect().height()))) screen.drawText(value(2), value(3), args[4], TextTarget::Scene);
                break;
            }
            case CommandId::CgButton: {
                substituteArguments(c_.state.variables, command, 0, 5);
                const bool seen = c_.state.flags.IsSet(args[4]);
                if (add(galleryButton({value(0), value(1), value(2), value(3)}, args[4], seen))) {
                    screen.drawPictureInRect(seen ? args[4] : args[5], value(0), value(1), value(2), value(3));
                    screen.showStage();
                }
                break;
            }
            case CommandId::IfFlag: {
                substituteArguments(c_.state.variables, command, 1, 2);
                const std::string& target = c_.state.flags.IsSet(args[0]) ? args[1] : args[2];
                if (target.empty()) break;
                c_.scripts.resolveDigitLedTarget(target);
                break;
            }
            case CommandId::Invalid:
                return true;
            case CommandId::Cg:
                substituteArguments(c_.state.variables, command, 0, 1);
                screen.setBackground(args[0]);
                c_.state.flags.Set(args[0]);
                screen.showStage();
                break;
            default:
                // Sprites, text, fonts, colours and sound: as in a scenario, drawn at once.
                c_.status.skipAll = true;
                c_.execution.perform(command);
                c_.status.skipAll = false;
                break;
        }
    }
    // A target file that could not be opened leaves nothing to play.
    return !c_.scripts.running();
}

bool MenuScreen::click(std::optional<PointerPosition> at) {
    Screen& screen = c_.screen;
    auto& menu = c_.state.menuButtons;
    if (!at) return false;
    const int index = menu.hit(at->x, at->y);
    if (index < 0) return false;
    const ButtonRecord button = menu.buttons[static_cast<size_t>(index)];
    if (button.kind == ButtonKind::GallerySeen) {
        c_.status.set(EngineState::kGalleryImage);
        screen.drawFullScreenPicture(button.target);
        return false;
    }
    if (button.kind == ButtonKind::GalleryNotSeen) return false;
    if (button.kind == ButtonKind::Image) screen.drawPictureOnScene(button.pressedImage, button.left, button.top);
    switch (button.action) {
        case ButtonAction::End:
            return true;
        case ButtonAction::LoadScenario:
            if (!c_.scripts.open(button.target, ScriptKind::Scenario)) return true;
            c_.system.resetForNewScript(EngineState::kScenario);
            return false;
        case ButtonAction::Menu:
            if (!c_.scripts.open(button.target, ScriptKind::ButtonScript)) return true;
            c_.system.resetForNewScript(EngineState::kMenu);
            return build();
        case ButtonAction::Bgm:
            c_.sound.playBgm(button.target, false);
            return false;
        case ButtonAction::Clear:
            c_.state.flags.ClearAll();
            return false;
        case ButtonAction::Load:
        case ButtonAction::Event:
            return false;
    }
    return false;
}

}  // namespace morv
