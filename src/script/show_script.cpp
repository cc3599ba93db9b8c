// Parsing show scripts.
#include "script/show_script.h"

namespace morv {

bool ShowScript::parseCommand(CommandLine& line) {
    const CommandEntry* entry = findCommand(line.word, ScriptKind::ShowScript);
    if (!entry) return false;
    appendCommonForm(*entry, line);
    return true;
}

}  // namespace morv
