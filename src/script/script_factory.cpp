#include "script/script_factory.h"

#include "config/game_config.h"
#include "image/image_archive.h"
#include "platform/platform.h"
#include "script/script_kinds.h"

namespace morv {

ScriptFactory::ScriptFactory(const GameConfig& config, Platform& platform) : config_(config), platform_(platform) {
    if (config_.debug) return;
    try {
        archive_ = std::make_unique<ImageArchive>(platform_.files(), config_.scenarioDirectory);
    } catch (const ArchiveError& error) {
        // Without the archive every later script read fails with its read message.
        platform_.messages().error(error.what());
    }
}

ScriptFactory::~ScriptFactory() = default;

std::unique_ptr<ScriptFile> ScriptFactory::Open(const std::string& name, ScriptKind kind) {
    ScriptEnvironment environment{platform_.messages(), platform_.files(), archive_.get(), config_.debug};
    std::unique_ptr<ScriptFile> script;
    switch (kind) {
        case ScriptKind::ShowScript:
        case ScriptKind::SkippableShowScript:
            script = std::make_unique<ShowScript>(environment);
            script->setSkippable(kind == ScriptKind::SkippableShowScript);
            break;
        case ScriptKind::ButtonScript:
            script = std::make_unique<ButtonScript>(environment);
            break;
        case ScriptKind::Scenario:
            script = std::make_unique<ScenarioScript>(environment);
            break;
        case ScriptKind::GameConfiguration:
            script = std::make_unique<ConfigurationScript>(environment);
            break;
    }
    if (!script->Load(name, kind)) return nullptr;
    platform_.trace().scriptOpened(name, static_cast<int>(kind));
    return script;
}

}  // namespace morv
