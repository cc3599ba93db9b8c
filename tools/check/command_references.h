// The scripts, lines and files that one parsed command names.
#pragma once
#include <string>
#include <vector>

#include "script/command_record.h"
#include "script/script_kind.h"

namespace morv::tools {

enum class ReferenceKind { Script, Line, Image, Music, Voice, SoundEffect, Movie, Flash, EffectLibrary };

struct Reference {
    ReferenceKind kind = ReferenceKind::Script;
    std::string name;  // CP949 as written (for a line: the target's text)
    ScriptKind scriptKind = ScriptKind::Scenario;  // for scripts
    int line = 0;                                  // for lines, and scripts entered at a line
    bool atLine = false;                           // a script entered at `line`
};

// Everything `command` names when it runs in a script of kind `in`. Arguments are
// taken as written; the caller decides about names that a variable may replace.
std::vector<Reference> referencesOf(const CommandRecord& command, ScriptKind in);

// Whether running `command` may continue with the next command of its script.
bool continuesToNext(const CommandRecord& command);

}  // namespace morv::tools
