// Reading a script whole, cutting it into lines and walking its commands.
#include "script/script_file.h"

#include <algorithm>

#include "platform/cp949.h"
#include "platform/file_resolver.h"
#include "platform/message_boxes.h"
#include "platform/text_format.h"

namespace morv {

ScriptFile::ScriptFile(const ScriptEnvironment& environment) : environment_(environment) {}

ScriptFile::~ScriptFile() = default;

bool ScriptFile::Load(const std::string& name, ScriptKind kind) {
    fileName_ = name;
    commands_.clear();
    arguments_.clear();
    lineCounter_ = 0;
    if (!readText(name, kind)) return false;
    lineFeeds_.clear();
    lineFeeds_.reserve(static_cast<size_t>(std::count(text_.begin(), text_.end(), '\n')));
    for (size_t i = text_.find('\n'); i != std::string::npos; i = text_.find('\n', i + 1)) {
        lineFeeds_.push_back(static_cast<uint32_t>(i));
    }
    // Room for about two records and two arguments a line, made at once, spares long
    // scripts most of the lists' regrowth, each of which moves everything made so far.
    commands_.reserve(2 * lineFeeds_.size() + 1);
    arguments_.reserve(2 * lineFeeds_.size() + 1);
    Parse();
    lineCount_ = lineCounter_;
    cursor_ = 0;
    return true;
}

bool ScriptFile::readText(const std::string& name, ScriptKind kind) {
    const std::string readError = cp949::toUtf8(name) + " 파일을 읽는중에 에러가 발생했습니다.";
    if (environment_.debug || kind == ScriptKind::GameConfiguration) {
        auto bytes = environment_.files.readAll(name);
        if (!bytes) {
            environment_.messages.error(readError);
            return false;
        }
        text_ = std::move(*bytes);
    } else if (!environment_.archive || !environment_.archive->readEntry(name, text_)) {
        // Without a usable archive every read fails like a missing entry.
        environment_.messages.error(readError);
        return false;
    }
    // A text too long for the records to address is refused rather than misread.
    if (text_.size() > ArgumentBuffer::kMaxTextBytes) {
        text_.clear();
        environment_.messages.error(readError);
        return false;
    }
    return true;
}

std::string_view ScriptFile::ReadLine(int n) const {
    if (n < 1) {
        environment_.messages.error(formatText("%d번째 행을 읽을수는 없습니다.", n));
        return "";
    }
    size_t index = static_cast<size_t>(n) - 1;  // line n starts at the (n-1)-th line feed
    if (index > lineFeeds_.size()) return "end";
    size_t begin = index == 0 ? 0 : lineFeeds_[index - 1];
    size_t end = index < lineFeeds_.size() ? lineFeeds_[index] : text_.size();
    std::string_view line(text_.data() + begin, end - begin);
    // "//" starts a comment anywhere on the line, even inside text.
    if (size_t comment = line.find("//"); comment != std::string_view::npos) line = line.substr(0, comment);
    return cp949::trim(line);
}

std::string_view ScriptFile::NextLine() { return ReadLine(++lineCounter_); }

const CommandRecord* ScriptFile::Next() {
    if (cursor_ >= commands_.size()) return nullptr;
    return &commands_[cursor_++];
}

int ScriptFile::CurrentLine() const { return cursor_ < commands_.size() ? commands_[cursor_].line : -1; }

int ScriptFile::GoToLine(int n) {
    for (size_t i = 0; i < commands_.size(); ++i) {
        if (commands_[i].line == n) {
            cursor_ = i;
            return n;
        }
    }
    environment_.messages.error(formatText("%d라인으로는 이동할 수 없습니다.", n));
    return -1;
}

int ScriptFile::GoToPreviousLine() { return GoToLine(CurrentLine() - 1); }

int ScriptFile::LastPageLine() const {
    for (size_t i = cursor_; i > 0; --i) {
        if (commands_[i - 1].id == CommandId::NextPage) return commands_[i - 1].line;
    }
    return 0;
}

void ScriptFile::reportInvalidCommand(std::string_view word) const {
    environment_.messages.error(formatText("\"%s\"의 %d행의 \"%s\"커맨드는 올바른 커맨드가 아닙니다.",
                                           cp949::toUtf8(fileName_).c_str(), lineCounter_,
                                           cp949::toUtf8(word).c_str()));
}

}  // namespace morv
