// The read log and its file "read.dat".
#include "saves/read_log.h"

#include <limits>

#include "platform/file_resolver.h"
#include "saves/save_stream.h"

namespace morv {

namespace {

constexpr char kRead = 1;

ReadLog::Entry freshEntry(std::string_view fileName, int lineCount) {
    return ReadLog::Entry{std::string(fileName), lineCount, std::string(static_cast<size_t>(lineCount) + 1, 0)};
}

}  // namespace

ReadLog::ReadLog(const FileResolver& files) : files_(files) {}

ReadLog::~ReadLog() { save(); }

void ReadLog::load() {
    entries_.clear();
    pendingEntry_ = -1;
    if (auto bytes = files_.readAll(kFileName)) {
        if (auto entries = decode(*bytes)) entries_ = std::move(*entries);
    }
}

bool ReadLog::save() const { return files_.writeAll(kFileName, encode(entries_)); }

void ReadLog::makePending(size_t index, int line) {
    pendingEntry_ = static_cast<int>(index);
    pendingLine_ = line;
}

bool ReadLog::IsRead(std::string_view fileName, int line, int lineCount) {
    if (pendingEntry_ >= 0) {
        Entry& pending = entries_[static_cast<size_t>(pendingEntry_)];
        if (pending.fileName == fileName && pendingLine_ == line) return false;
        pending.marks[static_cast<size_t>(pendingLine_)] = kRead;
        pendingEntry_ = -1;
    }
    // A line outside the file has no mark to keep.
    if (lineCount < 0 || line < 0 || line > lineCount) return false;
    for (size_t i = 0; i < entries_.size(); ++i) {
        Entry& entry = entries_[i];
        if (entry.fileName != fileName) continue;
        if (entry.lineCount != lineCount) {
            // The file was edited: its old marks no longer fit its lines.
            entry = freshEntry(fileName, lineCount);
        } else if (entry.marks[static_cast<size_t>(line)] == kRead) {
            return true;
        }
        makePending(i, line);
        return false;
    }
    entries_.push_back(freshEntry(fileName, lineCount));
    makePending(entries_.size() - 1, line);
    return false;
}

std::string ReadLog::encode(const std::vector<Entry>& entries) {
    SaveStream out;
    out.writeU32(static_cast<uint32_t>(entries.size()));
    for (const Entry& entry : entries) {
        out.writeU32(static_cast<uint32_t>(entry.fileName.size()));
        out.writeBytes(entry.fileName);
        out.writeI32(entry.lineCount);
        out.writeBytes(entry.marks);
    }
    return out.bytes();
}

std::optional<std::vector<ReadLog::Entry>> ReadLog::decode(std::string_view bytes) {
    SaveStream in{std::string(bytes)};
    uint32_t count;
    if (!in.readU32(count)) return std::nullopt;
    std::vector<Entry> entries;
    for (uint32_t i = 0; i < count; ++i) {
        Entry entry;
        uint32_t nameLength, lineCount;
        if (!in.readU32(nameLength) || !in.readBytes(nameLength, entry.fileName) || !in.readU32(lineCount)) {
            return std::nullopt;
        }
        if (lineCount >= static_cast<uint32_t>(std::numeric_limits<int32_t>::max())) return std::nullopt;
        entry.lineCount = static_cast<int32_t>(lineCount);
        if (!in.readBytes(size_t{lineCount} + 1, entry.marks)) return std::nullopt;
        entries.push_back(std::move(entry));
    }
    return entries;
}

}  // namespace morv
