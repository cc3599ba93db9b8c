// Named flags shared by every game of the installation.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace morv {

struct Flag {
    static constexpr int32_t kSet = 1;
    static constexpr int32_t kNotSet = -1;

    std::string name;
    int32_t state = kNotSet;
};

// Named flags shared by every game of the installation (which images were seen,
// setflag); names compare without regard to case.
class FlagTable {
public:
    // Marks the flag set, appending it when it is not listed.
    void Set(std::string_view name);
    bool IsSet(std::string_view name) const;
    // Every flag becomes not set; the names stay listed.
    void ClearAll();

    // Replaces the whole list (loading the flag files).
    void assign(std::vector<Flag> flags) { flags_ = std::move(flags); }
    const std::vector<Flag>& flags() const { return flags_; }

private:
    std::vector<Flag> flags_;
};

}  // namespace morv
