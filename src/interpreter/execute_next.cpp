// Taking the next command and handing it to its group.
#include "config/game_config.h"
#include "interpreter/scenario_runner.h"
#include "interpreter/scenario_state.h"
#include "platform/platform.h"
#include "saves/read_log.h"
#include "script/numeric_text.h"
#include "script/script_factory.h"

namespace morv {

bool ScenarioRunner::executeNext() {
    // Without a running script (the first scenario could not be reopened) there
    // is nothing left to play: the game ends.
    if (!script_) return true;
    const ScenarioCommand* next = script_->Next();
    // Past the last command the script reads as "end".
    ScenarioCommand command;
    if (next) {
        command = *next;
    } else {
        command.id = CommandId::End;
        command.line = script_->LineCount() + 1;
    }
    lineRead_ = readLog_->IsRead(script_->FileName(), command.line, script_->LineCount());
    platform_.trace().commandExecuted(script_->FileName(), command.line, static_cast<int>(command.id));
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
            return performText(command);
        case CommandId::StartChoices:
        case CommandId::Choice:
        case CommandId::EndChoices:
            return performChoice(command);
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
        case CommandId::End:
        case CommandId::Timer:
        case CommandId::WaitTime:
            return performFlow(command);
        case CommandId::Cg:
        case CommandId::BufferCg:
        case CommandId::Char:
        case CommandId::Sprite:
        case CommandId::BufferChar:
        case CommandId::BufferSprite:
        case CommandId::DrawBuffer:
        case CommandId::CharSize:
        case CommandId::CharRect:
            return performImage(command);
        case CommandId::RectEffect:
        case CommandId::BufferRectEffect:
        case CommandId::CgEffect:
        case CommandId::ThreadCgEffect:
        case CommandId::CgEffect2:
            return performEffect(command);
        case CommandId::Bgm:
        case CommandId::Voice:
        case CommandId::Effect:
        case CommandId::SetFadeDelay:
        case CommandId::Movie:
        case CommandId::Flash:
            return performSound(command);
        case CommandId::Show:
        case CommandId::Menu:
            return performScriptSwitch(command);
        case CommandId::Invalid:
            // The parser has reported the line; reaching it ends the game.
            return true;
        default:
            // Button-script commands have no meaning in a scenario.
            return false;
    }
}

void ScenarioRunner::substitute(ScenarioCommand& command, int first, int last) {
    for (int i = first; i <= last && i < ScenarioCommand::kMaxArguments; ++i) {
        state_->variables.Substitute(command.args[static_cast<size_t>(i)]);
    }
}

bool ScenarioRunner::resolveTarget(const std::string& target) {
    if (isNumericText(target)) {
        script_->GoToLine(decimalValue(target));
        return false;
    }
    script_ = factory_->Open(target, ScriptKind::Scenario);
    return !script_;
}

}  // namespace morv
