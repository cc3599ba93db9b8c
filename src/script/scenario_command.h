// One parsed command record.
#pragma once
#include <string>
#include <vector>

#include "script/command_id.h"

namespace morv {

// The ten argument slots of a command. Only the slots written take memory: most
// commands have one to three arguments, and a long scenario holds hundreds of
// thousands of records. A slot never written reads as empty. Reading never moves
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

// One parsed command: its id, up to ten arguments, how many tokens the line had
// (it may exceed ten) and the line it came from.
struct ScenarioCommand {
    static constexpr int kMaxArguments = static_cast<int>(CommandArguments::kSlots);

    CommandId id = CommandId::Unset;
    CommandArguments args;
    int argCount = 0;
    int line = -1;
};

}  // namespace morv
