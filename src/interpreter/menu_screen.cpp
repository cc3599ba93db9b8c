// Menu screens: the button script builds the buttons, a click acts on one.
#include "config/game_config.h"
#include "display/screen.h"
#include "interpreter/scenario_runner.h"
#include "interpreter/scenario_state.h"
#include "platform/cp949.h"
#include "platform/platform.h"
#include "platform/text_format.h"
#include "script/numeric_text.h"
#include "script/script_factory.h"
#include "sound/sound_system.h"

namespace morv {

namespace {

ButtonAction actionFromWord(const std::string& word) {
    static constexpr std::pair<const char*, ButtonAction> kWords[] = {
        {"LOADSNR", ButtonAction::LoadScenario}, {"LOAD", ButtonAction::Load},   {"BGM", ButtonAction::Bgm},
        {"EVENT", ButtonAction::Event},          {"MENU", ButtonAction::Menu},   {"CLEAR", ButtonAction::Clear},
    };
    for (const auto& [text, action] : kWords) {
        if (cp949::equalsIgnoreCase(word, text)) return action;
    }
    // Any other word, the empty one included, ends the game.
    return ButtonAction::End;
}

bool contains(const ButtonRecord& button, int x, int y) {
    return x >= button.left && x < button.right && y >= button.top && y < button.bottom;
}

}  // namespace

bool ScenarioRunner::buildMenu() {
    auto& menu = state_->menuButtons;
    menu.clear();
    const auto add = [&](ButtonRecord button) {
        if (menu.count >= ScenarioState::kMaxMenuButtons) {
            platform_.messages().error(formatText("메뉴 버튼은 최대 %d개까지 사용 가능합니다.",
                                                  static_cast<int>(ScenarioState::kMaxMenuButtons)));
            return false;
        }
        if (button.hoverImage.empty()) button.hoverImage = button.normalImage;
        if (button.pressedImage.empty()) button.pressedImage = button.normalImage;
        menu.buttons[menu.count++] = std::move(button);
        return true;
    };
    while (script_) {
        const ScenarioCommand* next = script_->Next();
        if (!next || next->id == CommandId::End) break;
        ScenarioCommand command = *next;
        auto& args = command.args;
        const auto value = [&](size_t index) { return decimalValue(args[index]); };
        switch (command.id) {
            case CommandId::Button: {
                substitute(command, 0, 8);
                ButtonRecord button{ButtonKind::Image, actionFromWord(args[0]), args[1], args[6], args[7], args[8],
                                    value(2), value(3), value(4), value(5), {}};
                if (add(button)) screen_->drawPictureOnScene(args[6], value(2), value(3));
                break;
            }
            case CommandId::TextButton: {
                substitute(command, 0, 3);
                const Rect line = screen_->textLineRect();
                ButtonRecord button{ButtonKind::Text, actionFromWord(args[0]), args[1], {}, {}, {},
                                    value(2), value(3), value(2) + screen_->measureText(args[4]) + 4, value(3) + line.height() + 2,
                                    args[4]};
                if (add(button)) screen_->drawText(value(2), value(3), args[4], TextTarget::Scene);
                break;
            }
            case CommandId::CgButton: {
                substitute(command, 0, 5);
                const bool seen = state_->flags.IsSet(args[4]);
                ButtonRecord button{seen ? ButtonKind::GallerySeen : ButtonKind::GalleryNotSeen, ButtonAction::Clear,
                                    args[4], args[4], args[4], args[4], value(0), value(1), value(2), value(3), {}};
                if (add(button)) {
                    screen_->drawPictureInRect(seen ? args[4] : args[5], value(0), value(1), value(2), value(3));
                    screen_->showStage();
                }
                break;
            }
            case CommandId::IfFlag: {
                substitute(command, 1, 2);
                const std::string& target = state_->flags.IsSet(args[0]) ? args[1] : args[2];
                if (target.empty()) break;
                if (target[0] >= '0' && target[0] <= '9') {
                    script_->GoToLine(decimalValue(target));
                } else {
                    script_ = factory_->Open(target, ScriptKind::Scenario);
                }
                break;
            }
            case CommandId::Invalid:
                return true;
            case CommandId::Cg:
                substitute(command, 0, 1);
                screen_->setBackground(args[0]);
                state_->flags.Set(args[0]);
                screen_->showStage();
                break;
            default:
                // Sprites, text, fonts, colours and sound: as in a scenario, drawn at once.
                skipAll_ = true;
                perform(command);
                skipAll_ = false;
                break;
        }
    }
    // A target file that could not be opened leaves nothing to play.
    return !script_;
}

bool ScenarioRunner::menuClick(std::optional<PointerPosition> at) {
    auto& menu = state_->menuButtons;
    if (!at) return false;
    int index = -1;
    for (size_t i = 0; i < menu.count && index < 0; ++i) {
        if (contains(menu.buttons[i], at->x, at->y)) index = static_cast<int>(i);
    }
    menu.hover = index;
    if (index < 0) return false;
    const ButtonRecord button = menu.buttons[static_cast<size_t>(index)];
    if (button.kind == ButtonKind::GallerySeen) {
        setEngineState(EngineState::kGalleryImage);
        screen_->drawFullScreenPicture(button.target);
        return false;
    }
    if (button.kind == ButtonKind::GalleryNotSeen) return false;
    if (button.kind == ButtonKind::Image) screen_->drawPictureOnScene(button.pressedImage, button.left, button.top);
    switch (button.action) {
        case ButtonAction::End:
            return true;
        case ButtonAction::LoadScenario:
            script_ = factory_->Open(button.target, ScriptKind::Scenario);
            if (!script_) return true;
            resetForNewScript(EngineState::kScenario);
            return false;
        case ButtonAction::Menu:
            script_ = factory_->Open(button.target, ScriptKind::ButtonScript);
            if (!script_) return true;
            resetForNewScript(EngineState::kMenu);
            return buildMenu();
        case ButtonAction::Bgm:
            sound_->playBgm(button.target, false);
            return false;
        case ButtonAction::Clear:
            state_->flags.ClearAll();
            return false;
        case ButtonAction::Load:
        case ButtonAction::Event:
            return false;
    }
    return false;
}

}  // namespace morv
