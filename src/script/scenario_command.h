// One command as the interpreter performs it.
#pragma once
#include <string>
#include <vector>

#include "script/command_id.h"
#include "script/command_record.h"

namespace morv {

// The ten argument slots of a command. Only the slots written take memory: most
// commands have one to three arguments. A slot never written reads as empty. Reading never moves
// anything; writing a slot past the last one written may move the others, so no
// reference to a slot is held across `slot`.
class CommandArguments {
public:
    static constexpr size_t kSlots = 10;

    const std::string& operator[](size_t slot) const { return slot < written_.size() ? written_[slot] : none(); }
    // The slot to write.
    std::string& slot(size_t slot) {
        if (slot >= written_.size()) written_.resize(slot + 1);
        return written_[slot];
    }
    constexpr size_t size() const { return kSlots; }

private:
    static const std::string& none() {
        static const std::string empty;
        return empty;
    }

    std::vector<std::string> written_;
};

// One command to perform: a record with its own copies of the arguments, so that
// variables can be substituted into them and they outlive the record's script
// (a command may replace the running script before it reads its last argument).
struct ScenarioCommand {
    static constexpr int kMaxArguments = static_cast<int>(CommandArguments::kSlots);

    ScenarioCommand() = default;
    explicit ScenarioCommand(const CommandRecord& record) : id(record.id), argCount(record.argCount), line(record.line) {
        for (size_t i = record.args.written(); i > 0; --i) args.slot(i - 1) = record.args[i - 1];
    }

    CommandId id = CommandId::Unset;
    CommandArguments args;
    int argCount = 0;
    int line = -1;
};

}  // namespace morv
