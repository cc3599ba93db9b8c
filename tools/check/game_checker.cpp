// The checks of morv-check over a game's configuration and scripts.
#include "check/game_checker.h"

#include <algorithm>
#include <optional>
#include <set>

#include "archive/pack_source.h"
#include "archive/tool_error.h"
#include "check/command_references.h"
#include "check/script_set.h"
#include "check/variable_flow.h"
#include "config/config_file.h"
#include "config/configuration_script.h"
#include "config/game_config.h"
#include "image/archive_format.h"
#include "image/image_archive.h"
#include "platform/cp949.h"
#include "platform/platform.h"
#include "script/scenario_entries.h"

namespace fs = std::filesystem;

namespace morv::tools {
namespace {

constexpr const char* kConfigFile = "morv.ini";
constexpr std::string_view kInvalidCommandText = "커맨드는 올바른 커맨드가 아닙니다.";
constexpr size_t kMaxChoices = 10;
constexpr size_t kMaxMenuButtons = 100;

std::string shownName(std::string_view cp949Text) {
    return std::string("\"").append(cp949::toUtf8(cp949Text)).append("\"");
}

// The engine's own invalid-command messages among those a script showed, in order.
std::vector<std::string> invalidCommandMessages(const std::vector<std::string>& shown) {
    std::vector<std::string> found;
    for (const std::string& text : shown) {
        if (text.find(kInvalidCommandText) != std::string::npos) found.push_back(text);
    }
    return found;
}

class GameChecker {
public:
    explicit GameChecker(Platform& platform) : platform_(platform) {}
    std::vector<Finding> run();

private:
    void report(const std::string& file, int line, const std::string& kind, const std::string& message) {
        Finding finding{file, line, kind, message};
        if (std::find(findings_.begin(), findings_.end(), finding) == findings_.end()) findings_.push_back(finding);
    }
    // The line of the first configuration entry with `key`; 0 without one.
    int configLine(ConfigKey key) const {
        for (const ConfigEntry& entry : configEntries_) {
            if (entry.key == key) return entry.line;
        }
        return 0;
    }

    bool readConfiguration();
    void openArchives();
    std::unique_ptr<ImageArchive> openArchive(const std::string& path, ConfigKey key);
    void loadReachableScripts();
    void checkScript(int index);
    void checkReference(int index, const CommandRecord& command, const Reference& ref);
    void checkConfigurationFiles();
    void checkUnreachableScripts();

    std::optional<std::string> missingFile(const Reference& ref) const;
    bool imageExists(const std::string& name) const {
        return config_.debug ? files_.exists(name) : imageArchive_ && imageArchive_->find(name);
    }
    bool isVariable(const std::string& name) const { return variables_.contains(cp949::foldCase(name)); }

    Platform& platform_;
    FileResolver files_;
    GameConfig config_;
    std::vector<ConfigEntry> configEntries_;
    std::unique_ptr<ImageArchive> imageArchive_;
    std::unique_ptr<ImageArchive> scenarioArchive_;
    std::unique_ptr<ScenarioEntries> scenarioEntries_;
    bool archivesUsable_ = true;
    std::unique_ptr<ScriptSet> scripts_;
    std::set<std::string> variables_;  // every name an init declares, folded
    std::vector<Finding> findings_;
};

std::vector<Finding> GameChecker::run() {
    if (!readConfiguration()) return findings_;
    openArchives();
    if (scenarioArchive_) scenarioEntries_ = std::make_unique<ScenarioEntries>(*scenarioArchive_);
    scripts_ = std::make_unique<ScriptSet>(files_, scenarioEntries_.get(), config_.debug);
    const int first = scripts_->open(config_.firstScenario, ScriptKind::Scenario);
    if (first < 0) {
        if (archivesUsable_) {
            report(kConfigFile, configLine(ConfigKey::ScenarioFile), "missing-file",
                   "the first scenario " + shownName(config_.firstScenario) + " cannot be read");
        }
        return findings_;
    }
    loadReachableScripts();
    for (int i = 0; i < scripts_->size(); ++i) {
        for (const CommandRecord& command : scripts_->at(i).file->commands()) {
            if (command.id == CommandId::Init) variables_.insert(cp949::foldCase(command.args[0]));
        }
    }
    checkConfigurationFiles();
    for (int i = 0; i < scripts_->size(); ++i) checkScript(i);
    for (Finding& finding : findUninitializedVariables(*scripts_, first)) {
        report(finding.file, finding.line, finding.kind, finding.message);
    }
    checkUnreachableScripts();
    return findings_;
}

bool GameChecker::readConfiguration() {
    CollectedMessages messages;
    ScriptEnvironment environment{messages, files_, nullptr, true};
    ConfigurationScript script(environment);
    if (!script.Load(kConfigFile, ScriptKind::GameConfiguration)) {
        report(kConfigFile, 0, "missing-file", "the game configuration cannot be read");
        return false;
    }
    configEntries_ = script.entries();
    const std::vector<std::string> invalid = invalidCommandMessages(messages.shown);
    size_t shown = 0;
    for (const ConfigEntry& entry : configEntries_) {
        if (entry.key != ConfigKey::Invalid) continue;
        report(kConfigFile, entry.line, "config-key",
               shown < invalid.size() ? invalid[shown++] : "the line holds no configuration key");
    }
    // The engine's reader applies the entries up to the first invalid key.
    readGameConfiguration(config_, platform_);
    return true;
}

std::unique_ptr<ImageArchive> GameChecker::openArchive(const std::string& path, ConfigKey key) {
    try {
        return std::make_unique<ImageArchive>(files_, path);
    } catch (const ArchiveError&) {
        report(kConfigFile, configLine(key), "missing-file", "the archive " + shownName(path) + " cannot be opened");
        archivesUsable_ = false;
        return nullptr;
    }
}

void GameChecker::openArchives() {
    if (config_.debug) return;
    imageArchive_ = openArchive(config_.cgDirectory, ConfigKey::CgDirectory);
    scenarioArchive_ = openArchive(config_.scenarioDirectory, ConfigKey::ScenarioDirectory);
}

void GameChecker::loadReachableScripts() {
    // The set grows while it is walked: every script it reaches is walked too.
    for (int i = 0; i < scripts_->size(); ++i) {
        const CheckedScript& script = scripts_->at(i);
        for (const CommandRecord& command : script.file->commands()) {
            for (const Reference& ref : referencesOf(command, script.kind)) {
                if (ref.kind == ReferenceKind::Script) scripts_->open(ref.name, ref.scriptKind);
            }
        }
    }
}

void GameChecker::checkScript(int index) {
    const CheckedScript& script = scripts_->at(index);
    const std::string file = cp949::toUtf8(script.name);
    const std::vector<std::string> invalid = invalidCommandMessages(script.messages->shown);
    size_t invalidShown = 0;
    size_t choices = 0;
    size_t buttons = 0;
    for (const CommandRecord& command : script.file->commands()) {
        switch (command.id) {
            case CommandId::Invalid:
                report(file, command.line, "invalid-command",
                       invalidShown < invalid.size() ? invalid[invalidShown++] : "the line holds no valid command");
                break;
            case CommandId::StartChoices: choices = 0; break;
            case CommandId::Choice:
                if (++choices == kMaxChoices + 1) {
                    report(file, command.line, "too-many-choices", "a list holds more than 10 choices");
                }
                break;
            case CommandId::Button:
            case CommandId::CgButton:
            case CommandId::TextButton:
                if (++buttons == kMaxMenuButtons + 1) {
                    report(file, command.line, "too-many-buttons", "a menu holds more than 100 buttons");
                }
                break;
            default: break;
        }
        for (const Reference& ref : referencesOf(command, script.kind)) checkReference(index, command, ref);
    }
}

void GameChecker::checkReference(int index, const CommandRecord& command, const Reference& ref) {
    // A variable's value replaces a name that equals it, so such names are not checked.
    if (isVariable(ref.name)) return;
    const std::string file = cp949::toUtf8(scripts_->at(index).name);
    if (ref.kind == ReferenceKind::Line) {
        if (ScriptSet::commandAt(*scripts_->at(index).file, ref.line) < 0) {
            report(file, command.line, "jump-target", "line " + std::to_string(ref.line) + " holds no command");
        }
        return;
    }
    if (ref.kind == ReferenceKind::Script) {
        const int target = scripts_->find(ref.name, ref.scriptKind);
        if (target < 0) {
            if (archivesUsable_) report(file, command.line, "missing-file", "the script " + shownName(ref.name) + " cannot be read");
        } else if (ref.atLine && ScriptSet::commandAt(*scripts_->at(target).file, ref.line) < 0) {
            report(file, command.line, "jump-target",
                   "line " + std::to_string(ref.line) + " of " + shownName(ref.name) + " holds no command");
        }
        return;
    }
    if (auto missing = missingFile(ref)) report(file, command.line, "missing-file", *missing);
}

std::optional<std::string> GameChecker::missingFile(const Reference& ref) const {
    switch (ref.kind) {
        case ReferenceKind::Image:
            if (!config_.debug && !imageArchive_) return std::nullopt;
            if (imageExists(ref.name)) return std::nullopt;
            return config_.debug ? "the picture " + shownName(ref.name) + " does not exist"
                                 : "the picture " + shownName(ref.name) + " is not in the archive " + shownName(config_.cgDirectory);
        case ReferenceKind::Music:
            // CD audio plays tracks, not files.
            if (!config_.bgmIsPcm || files_.exists(config_.bgmDirectory + ref.name)) return std::nullopt;
            return "the music " + shownName(config_.bgmDirectory + ref.name) + " does not exist";
        case ReferenceKind::Voice:
            if (files_.exists(config_.voiceDirectory + ref.name)) return std::nullopt;
            return "the voice " + shownName(config_.voiceDirectory + ref.name) + " does not exist";
        case ReferenceKind::SoundEffect:
            if (files_.exists(config_.effectDirectory + ref.name)) return std::nullopt;
            return "the sound effect " + shownName(config_.effectDirectory + ref.name) + " does not exist";
        case ReferenceKind::Movie:
            if (files_.exists(ref.name)) return std::nullopt;
            return "the movie " + shownName(ref.name) + " does not exist";
        case ReferenceKind::Flash: {
            // A leading ".\" means the game directory, as any relative name does.
            const std::string name = ref.name.starts_with(".\\") ? ref.name.substr(2) : ref.name;
            if (files_.exists(name)) return std::nullopt;
            return "the Flash file " + shownName(ref.name) + " does not exist";
        }
        case ReferenceKind::EffectLibrary: {
            // Libraries built for this platform may carry ".so" where the game says ".dll" or nothing.
            const std::string path = config_.cgEffectDirectory + ref.name;
            std::string withoutDll = path;
            if (cp949::foldCase(path).ends_with(".dll")) withoutDll.resize(path.size() - 4);
            for (const std::string& candidate : {path, path + ".so", withoutDll + ".so"}) {
                if (files_.exists(candidate)) return std::nullopt;
            }
            return "the effect library " + shownName(path) + " does not exist";
        }
        case ReferenceKind::Script:
        case ReferenceKind::Line: break;
    }
    return std::nullopt;
}

void GameChecker::checkConfigurationFiles() {
    for (const ConfigEntry& entry : configEntries_) {
        if (entry.args.empty() || entry.args[0].empty()) continue;
        const std::string& name = entry.args[0];
        switch (entry.key) {
            case ConfigKey::CaretFile:
            case ConfigKey::PageCaretFile:
            case ConfigKey::TextWindowSkin:
                if (auto missing = missingFile({ReferenceKind::Image, name})) {
                    report(kConfigFile, entry.line, "missing-file", *missing);
                }
                break;
            case ConfigKey::Cursor:
            case ConfigKey::Icon:
            case ConfigKey::FontAdd:
                if (!files_.exists(name)) {
                    report(kConfigFile, entry.line, "missing-file", "the file " + shownName(name) + " does not exist");
                }
                break;
            default: break;
        }
    }
}

void GameChecker::checkUnreachableScripts() {
    std::vector<std::string> candidates;
    if (scenarioArchive_) {
        for (const ArchiveEntry& entry : scenarioArchive_->entries()) candidates.push_back(entry.name);
    } else if (config_.debug) {
        // Loose scripts: every text file of the game directory but the configuration.
        std::error_code ec;
        for (auto it = fs::recursive_directory_iterator(".", ec); !ec && it != fs::recursive_directory_iterator();
             it.increment(ec)) {
            if (!it->is_regular_file() || cp949::foldCase(it->path().extension().string()) != ".txt") continue;
            try {
                candidates.push_back(entryNameFor(it->path(), "."));
            } catch (const ToolError&) {
                // A name no script can spell cannot be reached either; it is not a script of the game.
            }
        }
        std::sort(candidates.begin(), candidates.end());
    }
    for (const std::string& name : candidates) {
        bool reached = false;
        for (int i = 0; i < scripts_->size() && !reached; ++i) {
            reached = archive_format::namesMatch(scripts_->at(i).name, name);
        }
        if (!reached) report(cp949::toUtf8(name), 0, "unreachable-file", "no script of the game leads to this file");
    }
}

}  // namespace

std::vector<Finding> checkGame(Platform& platform) { return GameChecker(platform).run(); }

}  // namespace morv::tools
