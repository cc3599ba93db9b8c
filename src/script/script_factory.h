// Opens scripts by name and kind, from loose files or the scenario archive.
#pragma once
#include <memory>
#include <string>

#include "script/script_file.h"

namespace morv {

class Platform;

// Where scripts are read from: loose files in debug mode, otherwise the scenario
// archive at `scenarioArchive`.
struct ScriptSources {
    bool debug = false;
    std::string scenarioArchive;
};

// Opens scripts by name and kind, from loose files (debug mode) or from the
// scenario archive.
class ScriptFactory {
public:
    ScriptFactory(const ScriptSources& sources, Platform& platform);
    // Scripts read from an archive already at hand (one held in memory, say).
    ScriptFactory(std::unique_ptr<ScriptArchive> archive, Platform& platform);
    ~ScriptFactory();

    // The loaded script, or null after its message when it cannot be read. The game
    // configuration is not opened here: the configuration reader parses it itself.
    std::unique_ptr<ScriptFile> Open(const std::string& name, ScriptKind kind);

private:
    bool debug_;
    Platform& platform_;
    std::unique_ptr<ScriptArchive> archive_;
};

}  // namespace morv
