#include "script/script_kinds.h"

#include "platform/cp949.h"

namespace morv {

void WordListScript::Parse() {
    for (;;) {
        std::string line = NextLine();
        if (line.empty()) continue;
        ScenarioCommand command;
        command.line = lineCounter();
        std::string word = line.substr(0, line.find(' '));
        if (cp949::equalsIgnoreCase(word, "end")) {
            command.id = CommandId::End;
            append(command);
            return;
        }
        command.id = CommandId::Invalid;
        command.args[0] = word;
        append(command);
    }
}

}  // namespace morv
