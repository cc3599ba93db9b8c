// Reading a command's arguments: substitution of variables and the delay argument.
#include "interpreter/command_arguments.h"

#include "script/numeric_text.h"
#include "script/variable_table.h"

namespace morv {

void substituteArguments(VariableTable& variables, ScenarioCommand& command, int first, int last) {
    for (int i = first; i <= last && i < ScenarioCommand::kMaxArguments; ++i) {
        const auto slot = static_cast<size_t>(i);
        // An empty argument has nothing to replace; writing it would only make room for it.
        if (!command.args[slot].empty()) variables.Substitute(command.args.slot(slot));
    }
}

int delayArgument(const ScenarioCommand& command, int index, int fallback) {
    const std::string& text = command.args[static_cast<size_t>(index)];
    return index < command.argCount && !text.empty() ? decimalValue(text) : fallback;
}

}  // namespace morv
