// The packed file that scripts are read from outside debug mode, reached by entry name.
#pragma once
#include <string>
#include <string_view>

namespace morv {

// Whole entries of the scenario archive by name.
class ScriptArchive {
public:
    virtual ~ScriptArchive() = default;
    // The bytes of the entry whose name matches without regard to case; false when
    // it is missing, empty or cannot be read.
    virtual bool readEntry(std::string_view name, std::string& out) const = 0;
};

}  // namespace morv
