// The trace port: what the engine reports about its own course.
#pragma once
#include <string>

namespace morv {

// What the engine reports about its own course. The real program ignores it;
// the headless runner writes it to its trace file.
class Trace {
public:
    enum class Topic { Commands, Presents };

    virtual ~Trace() = default;
    virtual bool wants(Topic) const { return false; }
    // One trace line without its time prefix, UTF-8.
    virtual void write(const std::string&) {}

    void stateChange(int from, int to);
    void scriptOpened(const std::string& nameCp949, int kind);
    void gameEnded();
    // "choice N "TEXT"": the player picked choice N (from 0).
    void choicePicked(int index, const std::string& textCp949);
    // "button N": the player clicked menu button N (from 0).
    void buttonClicked(int index);
    // "exec FILE:LINE ID" for the command about to run, when commands are traced.
    void commandExecuted(const std::string& fileCp949, int line, int id);
};

// Quotes a text for the trace: backslash and double quote escaped, line breaks as \n.
std::string traceQuote(const std::string& utf8);

}  // namespace morv
