// Loading each script of a game once with the parser of its kind.
#include "check/script_set.h"

#include "config/configuration_script.h"
#include "platform/cp949.h"
#include "script/script_kinds.h"

namespace morv::tools {

ScriptSet::ScriptSet(const FileResolver& files, const ScriptArchive* scenarioArchive, bool debug)
    : files_(files), archive_(scenarioArchive), debug_(debug) {}

ScriptSet::~ScriptSet() = default;

std::string ScriptSet::key(const std::string& name, ScriptKind kind) {
    // Both show-script kinds share one parser.
    const int parser = kind == ScriptKind::SkippableShowScript ? 0 : static_cast<int>(kind);
    std::string folded = cp949::foldCase(name);
    for (char& c : folded) {
        if (c == '/') c = '\\';
    }
    return std::to_string(parser) + ":" + folded;
}

int ScriptSet::find(const std::string& name, ScriptKind kind) const {
    auto it = indexByKey_.find(key(name, kind));
    return it == indexByKey_.end() ? -1 : it->second;
}

int ScriptSet::open(const std::string& name, ScriptKind kind) {
    const std::string scriptKey = key(name, kind);
    if (auto it = indexByKey_.find(scriptKey); it != indexByKey_.end()) return it->second;
    auto messages = std::make_unique<CollectedMessages>();
    ScriptEnvironment environment{*messages, files_, archive_, debug_};
    std::unique_ptr<ScriptFile> file;
    switch (kind) {
        case ScriptKind::ShowScript:
        case ScriptKind::SkippableShowScript: file = std::make_unique<ShowScript>(environment); break;
        case ScriptKind::ButtonScript: file = std::make_unique<ButtonScript>(environment); break;
        case ScriptKind::Scenario: file = std::make_unique<ScenarioScript>(environment); break;
        case ScriptKind::GameConfiguration: file = std::make_unique<ConfigurationScript>(environment); break;
    }
    if (!file->Load(name, kind)) {
        indexByKey_[scriptKey] = -1;
        return -1;
    }
    scripts_.push_back({name, kind, std::move(messages), std::move(file)});
    const int index = size() - 1;
    indexByKey_[scriptKey] = index;
    return index;
}

int ScriptSet::commandAt(const ScriptFile& script, int line) {
    const auto& commands = script.commands();
    for (size_t i = 0; i < commands.size(); ++i) {
        if (commands[i].line == line) return static_cast<int>(i);
    }
    return -1;
}

}  // namespace morv::tools
