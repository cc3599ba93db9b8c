// The configuration file and the three script kinds, read as the engine reads them.
#include "config/config_file.h"
#include "config/game_config.h"
#include "fuzz_targets.h"
#include "platform/headless/headless_platform.h"
#include "script/scenario_command.h"
#include "script/script_factory.h"
#include "targets/readers.h"
#include "targets/scratch_file.h"

namespace morv::fuzz {
namespace {

// A scenario archive of one entry, the input itself: the script is read as a
// packed game reads it, with no file per input.
class OneEntryArchive final : public ScriptArchive {
public:
    explicit OneEntryArchive(std::string_view bytes) : bytes_(bytes) {}
    bool readEntry(std::string_view, std::string& out) const override {
        if (bytes_.empty()) return false;  // an empty entry reads like a missing one
        out.assign(bytes_);
        return true;
    }

private:
    std::string_view bytes_;
};

void readScript(std::string_view bytes, ScriptKind kind) {
    HeadlessPlatform platform;
    ScriptFactory factory(std::make_unique<OneEntryArchive>(bytes), platform);
    std::unique_ptr<ScriptFile> script = factory.Open("script.txt", kind);
    require(script != nullptr || bytes.empty(), "a readable script opens");
    if (!script) return;
    int previous = 0;
    for (const CommandRecord& command : script->commands()) {
        require(command.line >= previous && command.line <= script->LineCount(), "commands keep their line order");
        require(command.argCount >= 0, "argument counts are never negative");
        // Copying every argument reads each of its bytes where the record says they lie.
        const ScenarioCommand copy(command);
        for (size_t i = 0; i < command.args.size(); ++i) require(copy.args[i] == command.args[i], "arguments read whole");
        previous = command.line;
    }
    // Walking and jumping over every command stays inside the list.
    while (script->Next()) {
    }
    if (!script->commands().empty()) script->GoToLine(script->commands().back().line);
    script->LastPageLine();
}

}  // namespace

// The configuration is always a file of its own on disk, as in a game.
void readConfiguration(std::string_view bytes) {
    writeScratchFile("morv.ini", bytes);
    HeadlessPlatform platform;
    GameConfig config;
    readGameConfiguration(config, platform);
    require(config.font.faceName.size() < size_t{FontRecord::kFaceSize}, "face names fit the font record");
}

void readScenarioScript(std::string_view bytes) { readScript(bytes, ScriptKind::Scenario); }
void readShowScript(std::string_view bytes) { readScript(bytes, ScriptKind::SkippableShowScript); }
void readButtonScript(std::string_view bytes) { readScript(bytes, ScriptKind::ButtonScript); }

}  // namespace morv::fuzz
