// The command words of each script kind.
#include "script/command_table.h"

#include <array>

#include "platform/cp949.h"

namespace morv {
namespace {

constexpr unsigned S = 1;  // scenario
constexpr unsigned W = 2;  // show script
constexpr unsigned B = 4;  // button script

using F = CommandForm;
using Id = CommandId;

constexpr std::array kCommands{
    CommandEntry{"text", Id::NextPage, S, F::Text},
    CommandEntry{"atext", Id::Text, S, F::AddText},
    CommandEntry{"writevariable", Id::WriteVariable, S, F::WriteVariable},
    CommandEntry{"textspace", Id::TextSpace, S, F::Generic},
    CommandEntry{"nextline", Id::NextLine, S, F::Generic},
    CommandEntry{"nextpage", Id::NextPage, S, F::Generic},
    CommandEntry{"wait", Id::Wait, S, F::Generic},
    CommandEntry{"select", Id::NextPage, S, F::Select},
    CommandEntry{"ncselect", Id::NextLine, S, F::NcSelect},
    CommandEntry{"init", Id::Init, S, F::Init},
    CommandEntry{"reset", Id::Reset, S, F::Reset},
    CommandEntry{"set", Id::Set, S, F::Set},
    CommandEntry{"if", Id::If, S, F::If},
    CommandEntry{"setstring", Id::SetString, S, F::SetString},
    CommandEntry{"savecomment", Id::SaveComment, S, F::SaveComment},
    CommandEntry{"setflag", Id::SetFlag, S, F::Generic},
    CommandEntry{"ifflag", Id::IfFlag, S | B, F::Generic},
    CommandEntry{"drawtext", Id::DrawText, S | W | B, F::DrawText},
    CommandEntry{"bufferdrawtext", Id::BufferDrawText, S | W, F::DrawText},
    CommandEntry{"drawvariable", Id::DrawVariable, S, F::Generic},
    CommandEntry{"bufferdrawvariable", Id::BufferDrawVariable, S, F::Generic},
    CommandEntry{"cg", Id::Cg, S | W | B, F::Generic},
    CommandEntry{"char", Id::Char, S, F::Generic},
    CommandEntry{"sprite", Id::Sprite, W | B, F::Generic},
    CommandEntry{"buffercg", Id::BufferCg, S | W, F::Generic},
    CommandEntry{"bufferchar", Id::BufferChar, S, F::Generic},
    CommandEntry{"buffersprite", Id::BufferSprite, W, F::Generic},
    CommandEntry{"drawbuffer", Id::DrawBuffer, S | W, F::Generic},
    CommandEntry{"charsize", Id::CharSize, S, F::Generic},
    CommandEntry{"spritesize", Id::CharSize, W, F::Generic},
    CommandEntry{"cgeffect", Id::CgEffect, S | W, F::EffectName},
    CommandEntry{"threadcgeffect", Id::ThreadCgEffect, S | W, F::EffectName},
    CommandEntry{"cgeffect2", Id::CgEffect2, S, F::CgEffect2},
    CommandEntry{"charrect", Id::CharRect, S, F::Generic},
    CommandEntry{"spriterect", Id::CharRect, W | B, F::Generic},
    CommandEntry{"recteffect", Id::RectEffect, S | W | B, F::FilterName},
    CommandEntry{"bufferrecteffect", Id::BufferRectEffect, S | W, F::FilterName},
    CommandEntry{"window", Id::Window, S, F::Generic},
    CommandEntry{"windowsize", Id::WindowSize, S, F::Generic},
    CommandEntry{"setfont", Id::SetFont, S | W | B, F::Generic},
    CommandEntry{"settextcolor", Id::SetTextColor, S | W | B, F::Generic},
    CommandEntry{"setfadedelay", Id::SetFadeDelay, S | W | B, F::Generic},
    CommandEntry{"bgm", Id::Bgm, S | W | B, F::Generic},
    CommandEntry{"voice", Id::Voice, S, F::Generic},
    CommandEntry{"effect", Id::Effect, S | W | B, F::Generic},
    CommandEntry{"delay", Id::Delay, S | W, F::Generic},
    CommandEntry{"goto", Id::Goto, S, F::Generic},
    CommandEntry{"loadsnr", Id::LoadSnr, S | W, F::Generic},
    CommandEntry{"funcsnr", Id::FuncSnr, S, F::Generic},
    CommandEntry{"return", Id::Return, S, F::Generic},
    CommandEntry{"show", Id::Show, S | W, F::Generic},
    CommandEntry{"menu", Id::Menu, S | W, F::Generic},
    CommandEntry{"timer", Id::Timer, W, F::Generic},
    CommandEntry{"waittime", Id::WaitTime, W, F::Generic},
    CommandEntry{"movie", Id::Movie, W, F::Generic},
    CommandEntry{"flash", Id::Flash, W, F::Generic},
    CommandEntry{"button", Id::Button, B, F::ActionShift},
    CommandEntry{"cgbutton", Id::CgButton, B, F::Generic},
    CommandEntry{"textbutton", Id::TextButton, B, F::TextButton},
};

unsigned kindBit(ScriptKind kind) {
    switch (kind) {
        case ScriptKind::Scenario:
            return S;
        case ScriptKind::ShowScript:
        case ScriptKind::SkippableShowScript:
            return W;
        case ScriptKind::ButtonScript:
            return B;
        case ScriptKind::GameConfiguration:
            break;
    }
    return 0;
}

}  // namespace

const CommandEntry* findCommand(std::string_view word, ScriptKind kind) {
    unsigned bit = kindBit(kind);
    for (const CommandEntry& entry : kCommands) {
        if ((entry.kinds & bit) && cp949::equalsIgnoreCase(entry.word, word)) return &entry;
    }
    return nullptr;
}

}  // namespace morv
