// The scripts, lines and files each command names.
#include "check/command_references.h"

#include "platform/cp949.h"
#include "script/numeric_text.h"

namespace morv::tools {
namespace {

bool is(std::string_view text, std::string_view word) { return cp949::equalsIgnoreCase(text, word); }

// Background words that name no file.
bool isPictureWord(std::string_view name) {
    return name.empty() || is(name, "WHITE") || is(name, "BLACK") || is(name, "PURPLE");
}

bool startsWithDigit(std::string_view text) { return !text.empty() && text[0] >= '0' && text[0] <= '9'; }

class ReferenceList {
public:
    void file(ReferenceKind kind, std::string_view name) {
        if (!name.empty()) list.push_back({kind, std::string(name)});
    }
    void script(std::string_view name, ScriptKind kind) {
        if (!name.empty()) list.push_back({ReferenceKind::Script, std::string(name), kind});
    }
    void line(std::string_view text) {
        list.push_back({ReferenceKind::Line, std::string(text), ScriptKind::Scenario, decimalValue(text)});
    }
    // A jump target: a line of this script when `isLine` says so, else a scenario.
    void target(std::string_view text, bool isLine) {
        if (text.empty()) return;
        if (isLine) {
            line(text);
        } else {
            script(text, ScriptKind::Scenario);
        }
    }
    void buttonAction(std::string_view action, std::string_view target) {
        if (is(action, "LOADSNR")) script(target, ScriptKind::Scenario);
        if (is(action, "MENU")) script(target, ScriptKind::ButtonScript);
        if (is(action, "BGM")) file(ReferenceKind::Music, target);
    }

    std::vector<Reference> list;
};

}  // namespace

std::vector<Reference> referencesOf(const CommandRecord& command, ScriptKind in) {
    ReferenceList refs;
    const auto& a = command.args;
    switch (command.id) {
        case CommandId::Goto:
            if (!a[0].empty()) refs.line(a[0]);
            break;
        case CommandId::If:
            refs.target(a[3], isNumericText(a[3]));
            if (command.argCount >= 5) refs.target(a[4], isNumericText(a[4]));
            break;
        case CommandId::IfFlag:
            // Menus take digit-led targets as lines; scenarios take numeric ones.
            for (const std::string_view target : {a[1], a[2]}) {
                refs.target(target, in == ScriptKind::ButtonScript ? startsWithDigit(target) : isNumericText(target));
            }
            break;
        case CommandId::Choice: refs.target(a[0], startsWithDigit(a[0])); break;
        case CommandId::LoadSnr:
            refs.script(a[0], ScriptKind::Scenario);
            if (!refs.list.empty() && !a[1].empty()) {
                refs.list.back().line = decimalValue(a[1]);
                refs.list.back().atLine = true;
            }
            break;
        case CommandId::FuncSnr: refs.script(a[0], ScriptKind::Scenario); break;
        case CommandId::Show: refs.script(a[0], ScriptKind::ShowScript); break;
        case CommandId::Menu: refs.script(a[0], ScriptKind::ButtonScript); break;
        case CommandId::Button:
            refs.buttonAction(a[0], a[1]);
            for (int i = 6; i <= 8; ++i) refs.file(ReferenceKind::Image, a[i]);
            break;
        case CommandId::TextButton: refs.buttonAction(a[0], a[1]); break;
        case CommandId::CgButton:
            refs.file(ReferenceKind::Image, a[4]);
            refs.file(ReferenceKind::Image, a[5]);
            break;
        case CommandId::Cg:
        case CommandId::BufferCg:
            if (!isPictureWord(a[0])) refs.file(ReferenceKind::Image, a[0]);
            break;
        case CommandId::Char:
        case CommandId::Sprite:
        case CommandId::BufferChar:
        case CommandId::BufferSprite: {
            const bool buffered = command.id == CommandId::BufferChar || command.id == CommandId::BufferSprite;
            // Other argument counts, an empty name and "DELETE" clear the characters.
            const bool draws = command.argCount >= 1 && command.argCount <= (buffered ? 4 : 5);
            if (draws && !is(a[0], "DELETE")) refs.file(ReferenceKind::Image, a[0]);
            break;
        }
        case CommandId::CgEffect:
        case CommandId::ThreadCgEffect:
            if (a[0] == "-1") refs.file(ReferenceKind::EffectLibrary, a[9]);
            if (!isPictureWord(a[2]) && !is(a[2], "BUFFER")) refs.file(ReferenceKind::Image, a[2]);
            break;
        case CommandId::CgEffect2: refs.file(ReferenceKind::EffectLibrary, a[0]); break;
        case CommandId::Bgm:
            // "stop" and "FADEOUT" stop the music instead of naming a file.
            if (!is(a[0], "stop") && !is(a[0], "FADEOUT")) refs.file(ReferenceKind::Music, a[0]);
            break;
        case CommandId::Voice:
            if (!is(a[0], "stop")) refs.file(ReferenceKind::Voice, a[0]);
            break;
        case CommandId::Effect:
            if (command.argCount == 1 || (command.argCount >= 2 && is(a[1], "REPEATS"))) {
                refs.file(ReferenceKind::SoundEffect, a[0]);
            }
            break;
        case CommandId::Movie: refs.file(ReferenceKind::Movie, a[0]); break;
        case CommandId::Flash: refs.file(ReferenceKind::Flash, a[0]); break;
        default: break;
    }
    return refs.list;
}

bool continuesToNext(const CommandRecord& command) {
    switch (command.id) {
        case CommandId::Invalid:
        case CommandId::End:
        case CommandId::EndChoices:
        case CommandId::LoadSnr:
        case CommandId::FuncSnr:
        case CommandId::Menu:
        case CommandId::Goto:  // a jump to a line without a command goes on after it; the flow adds that
            return false;
        case CommandId::If:
            return command.argCount < 5 || command.args[3].empty() || command.args[4].empty();
        case CommandId::IfFlag:
            return command.args[1].empty() || command.args[2].empty();
        default:
            return true;
    }
}

}  // namespace morv::tools
