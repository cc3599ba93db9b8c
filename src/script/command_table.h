// The command table: words, ids and how each line becomes records.
#pragma once
#include <string_view>

#include "script/command_id.h"
#include "script/script_kind.h"

namespace morv {

// How a command's line is turned into records.
enum class CommandForm {
    Generic,        // every token after the word is an argument
    EffectName,     // generic, then the effect name in argument 0 is translated
    FilterName,     // generic, then the rectangle filter name in argument 0 is translated
    ActionShift,    // generic, then every button gets its target in argument 1
    Text,           // nextpage, text, wait
    AddText,        // the text alone
    WriteVariable,  // the rest of the line names a variable
    Select,         // nextpage and a new list of choices
    NcSelect,       // nextline and a new list of choices
    Init,
    Reset,
    Set,
    If,
    SetString,
    SaveComment,
    DrawText,
    CgEffect2,
    TextButton,
};

struct CommandEntry {
    std::string_view word;
    CommandId id;  // of the first record the line produces
    unsigned kinds;
    CommandForm form;
};

// The entry for a command word (any case) in scripts of `kind`; null when the word
// is not a command of that kind.
const CommandEntry* findCommand(std::string_view word, ScriptKind kind);

}  // namespace morv
