// Opening scripts of each kind, and the scenario archive they are read from.
#include "script/script_factory.h"

#include "image/image_archive.h"
#include "platform/platform.h"
#include "script/scenario_entries.h"
#include "script/script_kinds.h"

namespace morv {
namespace {

// The scenario archive opened by the factory, seen by entry name.
class ScenarioArchive final : public ScriptArchive {
public:
    ScenarioArchive(const FileResolver& files, const std::string& path) : archive_(files, path) {}

    bool readEntry(std::string_view name, std::string& out) const override { return entries_.readEntry(name, out); }

private:
    ImageArchive archive_;
    ScenarioEntries entries_{archive_};
};

}  // namespace

ScriptFactory::ScriptFactory(const ScriptSources& sources, Platform& platform)
    : debug_(sources.debug), platform_(platform) {
    if (debug_) return;
    try {
        archive_ = std::make_unique<ScenarioArchive>(platform_.files(), sources.scenarioArchive);
    } catch (const ArchiveError& error) {
        // Without the archive every later script read fails with its read message.
        platform_.messages().error(error.what());
    }
}

ScriptFactory::ScriptFactory(std::unique_ptr<ScriptArchive> archive, Platform& platform)
    : debug_(false), platform_(platform), archive_(std::move(archive)) {}

ScriptFactory::~ScriptFactory() = default;

std::unique_ptr<ScriptFile> ScriptFactory::Open(const std::string& name, ScriptKind kind) {
    ScriptEnvironment environment{platform_.messages(), platform_.files(), archive_.get(), debug_};
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
            return nullptr;
    }
    if (!script->Load(name, kind)) return nullptr;
    platform_.trace().scriptOpened(name, static_cast<int>(kind));
    return script;
}

}  // namespace morv
