// Taking the next command and handing it to its group.
#include "interpreter/choice_screen.h"
#include "interpreter/effect_commands.h"
#include "interpreter/flow_commands.h"
#include "interpreter/image_commands.h"
#include "interpreter/menu_screen.h"
#include "interpreter/running_scripts.h"
#include "interpreter/scenario_runner.h"
#include "interpreter/sound_commands.h"
#include "interpreter/system_commands.h"
#include "interpreter/text_commands.h"
#include "platform/platform.h"
#include "saves/read_log.h"
#include "script/script_file.h"

namespace morv {

bool ScenarioRunner::ExecuteNext() {
    // Without a running script (the first scenario could not be reopened) there
    // is nothing left to play: the game ends.
    ScriptFile* script = scripts_->running();
    if (!script) return true;
    const CommandRecord* next = script->Next();
    // Past the last command the script reads as "end".
    ScenarioCommand command;
    if (next) {
        command = ScenarioCommand(*next);
    } else {
        command.id = CommandId::End;
        command.line = script->LineCount() + 1;
    }
    status_.lineRead = readLog_->IsRead(script->FileName(), command.line, script->LineCount());
    platform_.trace().commandExecuted(script->FileName(), command.line, static_cast<int>(command.id));
    // The copy is substituted, so a line that runs again sees the variables anew.
    return perform(command);
}

bool ScenarioRunner::perform(ScenarioCommand& command) {
    switch (command.id) {
        case CommandId::Text:
        case CommandId::WriteVariable:
        case CommandId::TextSpace:
        case CommandId::NextLine:
        case CommandId::NextPage:
        case CommandId::Wait:
        case CommandId::Window:
        case CommandId::WindowSize:
        case CommandId::SetFont:
        case CommandId::SetTextColor:
        case CommandId::DrawText:
        case CommandId::BufferDrawText:
        case CommandId::DrawVariable:
        case CommandId::BufferDrawVariable:
            text_->perform(command);
            return false;
        case CommandId::StartChoices:
        case CommandId::Choice:
        case CommandId::EndChoices:
            choices_->perform(command);
            return false;
        case CommandId::Init:
        case CommandId::Reset:
        case CommandId::Set:
        case CommandId::If:
        case CommandId::SetString:
        case CommandId::SaveComment:
        case CommandId::SetFlag:
        case CommandId::IfFlag:
        case CommandId::Goto:
        case CommandId::Delay:
        case CommandId::LoadSnr:
        case CommandId::FuncSnr:
        case CommandId::Return:
        case CommandId::Timer:
        case CommandId::WaitTime:
            return flow_->perform(command);
        case CommandId::Cg:
        case CommandId::BufferCg:
        case CommandId::Char:
        case CommandId::Sprite:
        case CommandId::BufferChar:
        case CommandId::BufferSprite:
        case CommandId::DrawBuffer:
        case CommandId::CharSize:
        case CommandId::CharRect:
            images_->perform(command);
            return false;
        case CommandId::RectEffect:
        case CommandId::BufferRectEffect:
        case CommandId::CgEffect:
        case CommandId::ThreadCgEffect:
        case CommandId::CgEffect2:
            effects_->perform(command);
            return false;
        case CommandId::Bgm:
        case CommandId::Voice:
        case CommandId::Effect:
        case CommandId::SetFadeDelay:
        case CommandId::Movie:
        case CommandId::Flash:
            sounds_->perform(command);
            return false;
        case CommandId::Show:
        case CommandId::End:
            return system_->perform(command);
        case CommandId::Menu:
            return system_->perform(command) || menus_->build();
        case CommandId::Invalid:
            // The parser has reported the line; reaching it ends the game.
            return true;
        default:
            // Button-script commands have no meaning in a scenario.
            return false;
    }
}

}  // namespace morv
