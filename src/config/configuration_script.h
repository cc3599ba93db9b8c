// The parser of the game configuration file.
#pragma once
#include <string>
#include <vector>

#include "config/config_key.h"
#include "script/script_file.h"

namespace morv {

// One line of the configuration file: its key and every argument after it.
struct ConfigEntry {
    ConfigKey key = ConfigKey::Invalid;
    std::vector<std::string> args;
    int line = -1;
};

// The game configuration file, parsed into a list of entries that the
// configuration reader applies in file order.
class ConfigurationScript : public ScriptFile {
public:
    using ScriptFile::ScriptFile;

    const std::vector<ConfigEntry>& entries() const { return entries_; }

protected:
    void Parse() override;

private:
    std::vector<ConfigEntry> entries_;
};

}  // namespace morv
