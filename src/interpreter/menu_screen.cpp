// Menu screens: the button script builds the buttons, the pointer hovers them, a click acts on one.
#include "interpreter/menu_screen.h"

#include "config/game_config.h"
#include "display/screen.h"
#include "effects/rect_filter.h"
#include "interpreter/command_arguments.h"
#include "interpreter/command_execution.h"
#include "interpreter/engine_status.h"
#include "interpreter/running_scripts.h"
#include "interpreter/scenario_state.h"
#include "interpreter/system_commands.h"
#include "platform/display_device.h"
#include "platform/events.h"
#include "platform/menu_items.h"
#include "platform/trace.h"
#include "script/numeric_text.h"
#include "script/script_file.h"
#include "sound/sound_system.h"

namespace morv {

namespace {

BlendColor blendColor(ConfigColor color) {
    return {static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
            static_cast<int>((color >> 16) & 0xFF)};
}

void tint(Screen& screen, const ButtonRecord& button, BlendColor color) {
    filterRect(screen.surface(SurfaceRole::FrameSurface), RectFilter::Blend,
               {button.left, button.top, button.right - 1, button.bottom - 1}, color);
}

}  // namespace

void MenuScreen::addButton(ScenarioCommand& command) {
    Screen& screen = c_.screen;
    ScenarioState& state = c_.state;
    auto& args = command.args;
    const auto value = [&](size_t index) { return decimalValue(args[index]); };
    switch (command.id) {
        case CommandId::Button: {
            substituteArguments(state.variables, command, 0, 8);
            const Rect rect{value(2), value(3), value(4), value(5)};
            if (state.addMenuButton(imageButton(buttonActionFromWord(args[0]), args[1], rect, args[6], args[7], args[8]))) {
                screen.drawPictureOnScene(args[6], rect.left, rect.top);
            }
            break;
        }
        case CommandId::TextButton: {
            // The text itself is not substituted.
            substituteArguments(state.variables, command, 0, 3);
            const ButtonRecord button = textButton(buttonActionFromWord(args[0]), args[1], value(2), value(3), args[4],
                                                   screen.measureText(args[4]), screen.textLineRect().height());
            if (state.addMenuButton(button)) screen.drawText(value(2), value(3), args[4], TextTarget::Scene);
            break;
        }
        case CommandId::CgButton: {
            substituteArguments(state.variables, command, 0, 5);
            const bool seen = state.flags.IsSet(args[4]);
            const Rect rect{value(0), value(1), value(2), value(3)};
            if (state.addMenuButton(galleryButton(rect, args[4], seen))) {
                screen.drawPictureInRect(seen ? args[4] : args[5], rect.left, rect.top, rect.right, rect.bottom);
                screen.showStage();
            }
            break;
        }
        default:
            break;
    }
}

bool MenuScreen::build() {
    c_.state.menuButtons.clear();
    while (ScriptFile* script = c_.scripts.running()) {
        const CommandRecord* next = script->Next();
        if (!next || next->id == CommandId::End) break;
        ScenarioCommand command(*next);
        auto& args = command.args;
        switch (command.id) {
            case CommandId::Button:
            case CommandId::TextButton:
            case CommandId::CgButton:
                addButton(command);
                break;
            case CommandId::IfFlag: {
                substituteArguments(c_.state.variables, command, 1, 2);
                const std::string& target = c_.state.flags.IsSet(args[0]) ? args[1] : args[2];
                if (target.empty()) break;
                // A file target replaces the button script and building goes on with its buttons:
                // it is read as a button script, since a scenario cannot hold buttons.
                if (target[0] >= '0' && target[0] <= '9') {
                    c_.scripts.running()->GoToLine(decimalValue(target));
                } else {
                    c_.scripts.open(target, ScriptKind::ButtonScript);
                }
                break;
            }
            case CommandId::Invalid:
                return true;
            case CommandId::Cg:
                substituteArguments(c_.state.variables, command, 0, 1);
                c_.screen.setBackground(args[0]);
                c_.state.flags.Set(args[0]);
                c_.screen.showStage();
                break;
            default:
                // Sprites, text, fonts, colors and sound: as in a scenario, drawn at once.
                c_.status.skipAll = true;
                c_.execution.perform(command);
                c_.status.skipAll = false;
                break;
        }
    }
    // A target file that could not be opened leaves nothing to play.
    if (!c_.scripts.running()) return true;
    pointerMove(c_.display.pointer(), true);
    return false;
}

void MenuScreen::pointerMove(PointerPosition at, bool force) {
    if (!c_.state.menuButtons.trackHover(at.x, at.y) && !force) return;
    drawButtons();
}

void MenuScreen::drawButtons() {
    Screen& screen = c_.screen;
    const auto& menu = c_.state.menuButtons;
    screen.showStage();
    for (int i = 0; i < static_cast<int>(menu.count); ++i) {
        const ButtonRecord& button = menu[i];
        const bool hovered = i == menu.hover;
        if (button.kind == ButtonKind::Image) {
            screen.drawPictureOnScene(hovered ? button.hoverImage : button.normalImage, button.left, button.top);
        } else if (button.kind == ButtonKind::Text) {
            screen.drawText(button.left, button.top, button.text, TextTarget::Scene);
        }
    }
    // Tints go on the frame only, over every picture and text.
    for (int i = 0; i < static_cast<int>(menu.count); ++i) {
        const ButtonRecord& button = menu[i];
        const bool hovered = i == menu.hover;
        const bool gallery = button.kind == ButtonKind::GallerySeen || button.kind == ButtonKind::GalleryNotSeen;
        if (button.kind == ButtonKind::Text && hovered) tint(screen, button, blendColor(c_.config.highlightColor));
        if (gallery && !hovered) tint(screen, button, {});
    }
}

void MenuScreen::closeGalleryPicture() {
    c_.screen.showStage();
    c_.state.menuButtons.hover = -1;
    drawButtons();
    c_.status.set(EngineState::kMenu);
}

bool MenuScreen::click(std::optional<PointerPosition> at) {
    if (!at) return false;
    const int index = c_.state.menuButtons.hit(at->x, at->y);
    if (index < 0) return false;
    const ButtonRecord button = c_.state.menuButtons[index];
    c_.trace.buttonClicked(index);
    switch (button.kind) {
        case ButtonKind::GallerySeen:
            c_.status.set(EngineState::kGalleryImage);
            c_.screen.drawFullScreenPicture(button.target);
            return false;
        case ButtonKind::GalleryNotSeen:
            return false;
        case ButtonKind::Image:
            c_.screen.drawPictureOnScene(button.pressedImage, button.left, button.top);
            return act(button);
        case ButtonKind::Text:
            return act(button);
    }
    return false;
}

bool MenuScreen::act(const ButtonRecord& button) {
    switch (button.action) {
        case ButtonAction::End:
            return true;
        case ButtonAction::LoadScenario:
            if (!c_.scripts.open(button.target, ScriptKind::Scenario)) return true;
            c_.system.resetForNewScript(EngineState::kScenario);
            return false;
        case ButtonAction::Load: {
            WindowEvent load;
            load.kind = WindowEvent::Kind::MenuCommand;
            load.value = static_cast<int>(MenuItem::LoadGame);
            c_.events.post(load);
            return false;
        }
        case ButtonAction::Bgm:
            c_.sound.playBgm(button.target, false);
            return false;
        case ButtonAction::Event:
            return false;
        case ButtonAction::Menu:
            if (!c_.scripts.open(button.target, ScriptKind::ButtonScript)) return true;
            c_.system.resetForNewScript(EngineState::kMenu);
            return build();
        case ButtonAction::Clear:
            c_.state.flags.ClearAll();
            return false;
    }
    return false;
}

}  // namespace morv
