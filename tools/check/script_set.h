// The scripts of one game that the checker has opened, each loaded once.
#pragma once
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/message_boxes.h"
#include "script/script_file.h"

namespace morv::tools {

// A message box that records what it was asked to show instead of showing it.
class CollectedMessages : public MessageBoxes {
public:
    void error(const std::string& text) override { shown.push_back(text); }
    bool question(const std::string& text) override {
        shown.push_back(text);
        return true;
    }
    std::string input(const std::string&) override { return ""; }

    std::vector<std::string> shown;
};

struct CheckedScript {
    std::string name;  // CP949, as first named
    ScriptKind kind = ScriptKind::Scenario;
    std::unique_ptr<CollectedMessages> messages;  // what the script showed, UTF-8
    std::unique_ptr<ScriptFile> file;
};

class ScriptSet {
public:
    // Scripts come from loose files in debug mode, else from `scenarioArchive`.
    ScriptSet(const FileResolver& files, const ScriptArchive* scenarioArchive, bool debug);
    ~ScriptSet();

    // The index of the script, loaded with the parser of `kind` on first use; -1
    // when it cannot be read.
    int open(const std::string& name, ScriptKind kind);
    // As open, but never loads.
    int find(const std::string& name, ScriptKind kind) const;

    const CheckedScript& at(int index) const { return scripts_[static_cast<size_t>(index)]; }
    int size() const { return static_cast<int>(scripts_.size()); }

    // The index of the first command of `line`, -1 when the line holds none.
    static int commandAt(const ScriptFile& script, int line);

private:
    static std::string key(const std::string& name, ScriptKind kind);

    const FileResolver& files_;
    const ScriptArchive* archive_;
    bool debug_;
    std::deque<CheckedScript> scripts_;  // opening more never moves the records already open
    std::map<std::string, int> indexByKey_;
};

}  // namespace morv::tools
