// Reading headless event files.
#include "platform/headless/event_script.h"

#include <sstream>

#include "platform/dialog_form.h"

namespace morv {
namespace {

bool readInt(std::istringstream& in, int& value) { return static_cast<bool>(in >> value); }

std::string restOfLine(std::istringstream& in) {
    std::string text;
    std::getline(in, text);
    size_t start = text.find_first_not_of(" \t");
    text = start == std::string::npos ? "" : text.substr(start);
    while (!text.empty() && (text.back() == '\r' || text.back() == ' ')) text.pop_back();
    return text;
}

// "up", "down", "pageup", "pagedown" or the thumb's position.
bool readScroll(std::istringstream& in, EventStep& step) {
    std::string word;
    if (!(in >> word)) return false;
    static constexpr std::pair<const char*, int> kSteps[] = {{"up", ControlEvent::LineUp},
                                                             {"down", ControlEvent::LineDown},
                                                             {"pageup", ControlEvent::PageUp},
                                                             {"pagedown", ControlEvent::PageDown}};
    for (const auto& [name, code] : kSteps) {
        if (word == name) {
            step.a = code;
            return true;
        }
    }
    std::istringstream number(word);
    step.a = ControlEvent::Thumb;
    return static_cast<bool>(number >> step.b) && number.eof();
}

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
            step.text = restOfLine(in);
        } else if (word == "control" || word == "dblclick") {
            step.kind = word == "control" ? EventStep::Kind::Control : EventStep::Kind::DoubleClick;
            ok = readInt(in, step.a);
        } else if (word == "scroll") {
            step.kind = EventStep::Kind::Scroll;
            ok = readScroll(in, step);
        } else if (word == "slider" || word == "select") {
            step.kind = word == "slider" ? EventStep::Kind::Slider : EventStep::Kind::Select;
            ok = readInt(in, step.a) && readInt(in, step.b);
        } else if (word == "check") {
            step.kind = EventStep::Kind::Check;
            std::string state;
            ok = readInt(in, step.a) && static_cast<bool>(in >> state) && (state == "on" || state == "off");
            step.b = state == "on" ? 1 : 0;
        } else if (word == "edit") {
            step.kind = EventStep::Kind::Edit;
            ok = readInt(in, step.a);
            step.text = restOfLine(in);
        } else if (word == "tab") {
            step.kind = EventStep::Kind::Tab;
            ok = readInt(in, step.a) && step.a >= 1;
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
