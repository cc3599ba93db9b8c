// Which scenario lines the player has read.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace morv {

class FileResolver;

// Which scenario lines the player has read, kept across runs in "read.dat".
class ReadLog {
public:
    static constexpr const char* kFileName = "read.dat";

    struct Entry {
        std::string fileName;
        int32_t lineCount = 0;
        std::string marks;  // one byte per line number 0 to lineCount: 1 read
    };

    explicit ReadLog(const FileResolver& files);
    // Writes "read.dat".
    ~ReadLog();
    ReadLog(const ReadLog&) = delete;
    ReadLog& operator=(const ReadLog&) = delete;

    // Starts from "read.dat"; a missing or damaged file gives an empty log.
    void load();
    bool save() const;

    // Whether the line of the file (with that many lines) was read. The line is then
    // pending: it is marked read once a command of another line is checked, so the
    // line on view counts only after the player has moved on.
    bool IsRead(std::string_view fileName, int line, int lineCount);

    const std::vector<Entry>& entries() const { return entries_; }

    static std::string encode(const std::vector<Entry>& entries);
    // The entries of a "read.dat", or none when the bytes are damaged.
    static std::optional<std::vector<Entry>> decode(std::string_view bytes);

private:
    void makePending(size_t index, int line);

    const FileResolver& files_;
    std::vector<Entry> entries_;
    int pendingEntry_ = -1;
    int pendingLine_ = 0;
};

}  // namespace morv
