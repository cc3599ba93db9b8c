#pragma once
#include <memory>
#include <string>

#include "script/script_file.h"

namespace morv {

struct GameConfig;
class Platform;

// Opens scripts by name and kind, from loose files (debug mode) or from the
// scenario archive.
class ScriptFactory {
public:
    ScriptFactory(const GameConfig& config, Platform& platform);
    ~ScriptFactory();

    // The loaded script, or null after its message when it cannot be read.
    std::unique_ptr<ScriptFile> Open(const std::string& name, ScriptKind kind);
    const ImageArchive* archive() const { return archive_.get(); }

private:
    const GameConfig& config_;
    Platform& platform_;
    std::unique_ptr<ImageArchive> archive_;
};

}  // namespace morv
