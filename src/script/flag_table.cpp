// Named flags: setting, testing and listing.
#include "script/flag_table.h"

#include "platform/cp949.h"

namespace morv {

void FlagTable::Set(std::string_view name) {
    for (Flag& flag : flags_) {
        if (cp949::equalsIgnoreCase(flag.name, name)) {
            flag.state = Flag::kSet;
            return;
        }
    }
    flags_.push_back(Flag{std::string(name), Flag::kSet});
}

bool FlagTable::IsSet(std::string_view name) const {
    for (const Flag& flag : flags_) {
        if (cp949::equalsIgnoreCase(flag.name, name)) return flag.state == Flag::kSet;
    }
    return false;
}

void FlagTable::ClearAll() {
    for (Flag& flag : flags_) flag.state = Flag::kNotSet;
}

}  // namespace morv
