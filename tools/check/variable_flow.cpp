// The paths through a game's commands and the variables declared along them.
#include "check/variable_flow.h"

#include <deque>
#include <map>

#include "check/command_references.h"
#include "platform/cp949.h"

namespace morv::tools {
namespace {

// The variable a command reads; empty for none.
std::string_view usedVariable(const CommandRecord& command) {
    switch (command.id) {
        case CommandId::Set:
        case CommandId::If:
        case CommandId::SetString:
        case CommandId::WriteVariable: return command.args[0];
        case CommandId::DrawVariable:
        case CommandId::BufferDrawVariable: return command.args[2];
        default: return {};
    }
}

// Every command of the scenarios and menus as one graph of numbered nodes.
class CommandGraph {
public:
    explicit CommandGraph(const ScriptSet& scripts) : scripts_(scripts) {
        for (int i = 0; i < scripts.size(); ++i) {
            const ScriptKind kind = scripts.at(i).kind;
            first_.push_back(nodes_);
            inGraph_.push_back(kind == ScriptKind::Scenario || kind == ScriptKind::ButtonScript);
            if (inGraph_.back()) {
                for (size_t j = 0; j < commands(i).size(); ++j) nodeOwners_.push_back({i, static_cast<int>(j)});
                nodes_ += static_cast<int>(commands(i).size());
            }
        }
        successors_.resize(static_cast<size_t>(nodes_));
        collectCallSites();
        for (int i = 0; i < scripts.size(); ++i) linkScript(i);
    }

    int size() const { return nodes_; }
    // The node of script i's command j, or -1 for scripts outside the graph.
    int node(int i, int j) const {
        return inGraph_[static_cast<size_t>(i)] && j >= 0 && j < static_cast<int>(commands(i).size()) ? first_[i] + j : -1;
    }
    const std::vector<int>& successors(int n) const { return successors_[static_cast<size_t>(n)]; }
    std::pair<int, int> owner(int n) const { return nodeOwners_[static_cast<size_t>(n)]; }
    const CommandRecord& command(int n) const { return commands(owner(n).first)[static_cast<size_t>(owner(n).second)]; }

private:
    const std::vector<CommandRecord>& commands(int i) const { return scripts_.at(i).file->commands(); }

    // The node a script is entered at: its command of `line` when asked and
    // present, else its first command.
    int entryOf(const Reference& ref) const {
        const int target = scripts_.find(ref.name, ref.scriptKind);
        if (target < 0) return -1;
        const int at = ref.atLine ? ScriptSet::commandAt(*scripts_.at(target).file, ref.line) : 0;
        return node(target, at < 0 ? 0 : at);
    }

    // Where each scenario's return goes back to: the command after each call of it.
    void collectCallSites() {
        for (int i = 0; i < scripts_.size(); ++i) {
            for (size_t j = 0; j < commands(i).size(); ++j) {
                const CommandRecord& command = commands(i)[j];
                if (command.id != CommandId::FuncSnr || node(i, static_cast<int>(j)) < 0) continue;
                const int callee = scripts_.find(std::string(command.args[0]), ScriptKind::Scenario);
                const int back = node(i, static_cast<int>(j) + 1);
                if (callee >= 0 && back >= 0) returnsTo_[callee].push_back(back);
            }
        }
    }

    void linkScript(int i) {
        std::vector<int> choiceTargets;
        for (int j = 0; j < static_cast<int>(commands(i).size()); ++j) {
            const int n = node(i, j);
            if (n < 0) return;
            const CommandRecord& command = commands(i)[static_cast<size_t>(j)];
            auto& next = successors_[static_cast<size_t>(n)];
            auto goOn = [&] {
                if (node(i, j + 1) >= 0) next.push_back(node(i, j + 1));
            };
            if (command.id == CommandId::Return) {
                // A return with no call to come back to does nothing.
                auto callers = returnsTo_.find(i);
                if (callers == returnsTo_.end()) goOn();
                else next.insert(next.end(), callers->second.begin(), callers->second.end());
                continue;
            }
            if (command.id == CommandId::StartChoices) choiceTargets.clear();
            if (continuesToNext(command)) goOn();
            std::vector<int>& targets = command.id == CommandId::Choice ? choiceTargets : next;
            for (const Reference& ref : referencesOf(command, scripts_.at(i).kind)) {
                if (ref.kind == ReferenceKind::Line) {
                    const int at = ScriptSet::commandAt(*scripts_.at(i).file, ref.line);
                    if (at >= 0) targets.push_back(node(i, at));
                    else if (command.id != CommandId::Choice) goOn();
                } else if (ref.kind == ReferenceKind::Script) {
                    if (int entered = entryOf(ref); entered >= 0) targets.push_back(entered);
                }
            }
            if (command.id == CommandId::EndChoices) next.insert(next.end(), choiceTargets.begin(), choiceTargets.end());
        }
    }

    const ScriptSet& scripts_;
    int nodes_ = 0;
    std::vector<int> first_;
    std::vector<bool> inGraph_;
    std::vector<std::pair<int, int>> nodeOwners_;
    std::vector<std::vector<int>> successors_;
    std::map<int, std::vector<int>> returnsTo_;
};

}  // namespace

std::vector<Finding> findUninitializedVariables(const ScriptSet& scripts, int entry) {
    const CommandGraph graph(scripts);
    const int start = graph.node(entry, 0);
    if (start < 0) return {};

    std::map<std::string, size_t> variableIndex;
    auto indexOf = [&](std::string_view name) {
        return variableIndex.emplace(cp949::foldCase(name), variableIndex.size()).first->second;
    };
    for (int n = 0; n < graph.size(); ++n) {
        const CommandRecord& command = graph.command(n);
        if (command.id == CommandId::Init) indexOf(command.args[0]);
        if (const std::string_view used = usedVariable(command); !used.empty()) indexOf(used);
    }

    // Declared on every path seen so far into each node; a node is met once it has a state.
    std::vector<std::vector<bool>> declared(static_cast<size_t>(graph.size()));
    std::vector<bool> met(static_cast<size_t>(graph.size()), false);
    std::deque<int> work{start};
    declared[static_cast<size_t>(start)].assign(variableIndex.size(), false);
    met[static_cast<size_t>(start)] = true;
    while (!work.empty()) {
        const int n = work.front();
        work.pop_front();
        std::vector<bool> out = declared[static_cast<size_t>(n)];
        const CommandRecord& command = graph.command(n);
        if (command.id == CommandId::Init) out[indexOf(command.args[0])] = true;
        if (command.id == CommandId::Reset) out.assign(out.size(), false);
        for (int s : graph.successors(n)) {
            auto& in = declared[static_cast<size_t>(s)];
            if (!met[static_cast<size_t>(s)]) {
                met[static_cast<size_t>(s)] = true;
                in = out;
                work.push_back(s);
                continue;
            }
            bool changed = false;
            for (size_t v = 0; v < in.size(); ++v) {
                if (in[v] && !out[v]) in[v] = false, changed = true;
            }
            if (changed) work.push_back(s);
        }
    }

    std::vector<Finding> findings;
    for (int n = 0; n < graph.size(); ++n) {
        const std::string_view used = usedVariable(graph.command(n));
        if (!met[static_cast<size_t>(n)] || used.empty()) continue;
        if (declared[static_cast<size_t>(n)][indexOf(used)]) continue;
        findings.push_back({cp949::toUtf8(scripts.at(graph.owner(n).first).name), graph.command(n).line,
                            "uninitialized-variable",
                            std::string("\"").append(cp949::toUtf8(used)).append(
                                "\" is used before any init on a path from the first scenario")});
    }
    return findings;
}

}  // namespace morv::tools
