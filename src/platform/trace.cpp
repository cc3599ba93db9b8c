// Trace lines for each event the engine reports.
#include "platform/trace.h"

#include "platform/cp949.h"

namespace morv {

std::string traceQuote(const std::string& utf8) {
    std::string out = "\"";
    for (char c : utf8) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else {
            out += c;
        }
    }
    out += '"';
    return out;
}

void Trace::stateChange(int from, int to) {
    write("state " + std::to_string(from) + " -> " + std::to_string(to));
}

void Trace::scriptOpened(const std::string& nameCp949, int kind) {
    write("script open " + traceQuote(cp949::toUtf8(nameCp949)) + " kind " + std::to_string(kind));
}

void Trace::gameEnded() { write("end"); }

void Trace::choicePicked(int index, const std::string& textCp949) {
    write("choice " + std::to_string(index) + " " + traceQuote(cp949::toUtf8(textCp949)));
}

void Trace::buttonClicked(int index) { write("button " + std::to_string(index)); }

void Trace::commandExecuted(const std::string& fileCp949, int line, int id) {
    if (!wants(Topic::Commands)) return;
    write("exec " + cp949::toUtf8(fileCp949) + ":" + std::to_string(line) + " " + std::to_string(id));
}

}  // namespace morv
