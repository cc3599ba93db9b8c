// Reading headless event files.
#include "platform/headless/event_script.h"

#include <sstream>

namespace morv {
namespace {

bool readInt(std::istringstream& in, int& value) { return static_cast<bool>(in >> value); }

bool isKeyName(const std::string& name) {
    return name == "ENTER" || name == "ESCAPE" || name == "SPACE" || name == "UP" || name == "DOWN" || name == "CTRL";
}

}  // namespace

std::optional<std::vector<EventStep>> parseEventScript(const std::string& text, std::string& error) {
    std::vector<EventStep> steps;
    std::istringstream lines(text);
    std::string line;
    int number = 0;
    while (std::getline(lines, line)) {
        ++number;
        if (auto hash = line.find('#'); hash != std::string::npos) line.erase(hash);
        std::istringstream in(line);
        std::string word;
        if (!(in >> word)) continue;
        EventStep step;
        bool ok = true;
        if (word == "wait" || word == "until-idle") {
            step.kind = word == "wait" ? EventStep::Kind::Wait : EventStep::Kind::UntilIdle;
            ok = readInt(in, step.a) && step.a >= 0;
        } else if (word == "click" || word == "rclick" || word == "move") {
            step.kind = word == "click" ? EventStep::Kind::Click
                        : word == "rclick" ? EventStep::Kind::RightClick
                                           : EventStep::Kind::Move;
            ok = readInt(in, step.a) && readInt(in, step.b);
        } else if (word == "key" || word == "keydown" || word == "keyup") {
            step.kind = word == "key" ? EventStep::Kind::Key
                        : word == "keydown" ? EventStep::Kind::KeyDown
                                            : EventStep::Kind::KeyUp;
            ok = static_cast<bool>(in >> step.text) && isKeyName(step.text);
        } else if (word == "wheel") {
            step.kind = EventStep::Kind::Wheel;
            ok = readInt(in, step.a);
        } else if (word == "menu") {
            step.kind = EventStep::Kind::Menu;
            ok = readInt(in, step.a);
        } else if (word == "save" || word == "load") {
            step.kind = word == "save" ? EventStep::Kind::Save : EventStep::Kind::Load;
            ok = readInt(in, step.a) && step.a >= 0;
        } else if (word == "answer") {
            step.kind = EventStep::Kind::Answer;
            std::getline(in, step.text);
            size_t start = step.text.find_first_not_of(" \t");
            step.text = start == std::string::npos ? "" : step.text.substr(start);
            while (!step.text.empty() && (step.text.back() == '\r' || step.text.back() == ' ')) step.text.pop_back();
        } else if (word == "snapshot") {
            step.kind = EventStep::Kind::Snapshot;
            ok = static_cast<bool>(in >> step.text) && step.text.find('/') == std::string::npos;
        } else if (word == "snapshot-box") {
            step.kind = EventStep::Kind::BoxSnapshot;
            ok = static_cast<bool>(in >> step.text) && step.text.find('/') == std::string::npos;
        } else if (word == "snapshot-after") {
            step.kind = EventStep::Kind::SnapshotAfter;
            ok = readInt(in, step.a) && step.a >= 0 && static_cast<bool>(in >> step.text) &&
                 step.text.find('/') == std::string::npos;
        } else if (word == "quit") {
            step.kind = EventStep::Kind::Quit;
        } else {
            ok = false;
        }
        if (!ok) {
            error = "line " + std::to_string(number) + ": cannot read \"" + line + "\"";
            return std::nullopt;
        }
        steps.push_back(step);
    }
    return steps;
}

}  // namespace morv
