// Keeping past text entries for the review.
#include "display/backlog_store.h"

#include <algorithm>

namespace morv {

BacklogStore::BacklogStore(int capacity, int lineWidth)
    : slots_(static_cast<size_t>(std::max(1, capacity))), lineWidth_(lineWidth) {}

BacklogEntry& BacklogStore::push() {
    if (used_ == capacity()) {
        lowestLine_ = std::max(lowestLine_, slots_[oldest_].firstLine);
        oldest_ = (oldest_ + 1) % capacity();
    } else {
        ++used_;
    }
    ++added_;
    BacklogEntry& entry = slotOf(used_ - 1);
    entry = BacklogEntry{};
    return entry;
}

void BacklogStore::addText(std::string_view text, ConfigColor color, TextFont& font) {
    BacklogEntry& entry = push();
    entry.kind = BacklogEntry::Kind::Text;
    entry.firstLine = currentLine_;
    entry.text = std::string(text);
    entry.color = color;
    for (size_t pos = 0; pos < text.size();) {
        int length = 1;
        int cx = font.charWidth(text, pos, &length);
        if (runningWidth_ + cx > lineWidth_) {
            runningWidth_ = 0;
            ++currentLine_;
        }
        runningWidth_ += cx;
        pos += static_cast<size_t>(std::max(1, length));
    }
}

void BacklogStore::addLineBreak() {
    if (used_ == 0) return;
    BacklogEntry& entry = push();
    entry.kind = BacklogEntry::Kind::LineBreak;
    entry.firstLine = currentLine_ + 1;
    ++currentLine_;
    runningWidth_ = 0;
}

void BacklogStore::addFontChange(const StyledFont& font) {
    BacklogEntry& entry = push();
    entry.kind = BacklogEntry::Kind::FontChange;
    entry.firstLine = currentLine_;
    entry.font = font;
}

void BacklogStore::markPageStart(std::string_view text, ConfigColor color) {
    pageStartSerial_ = added_ - 1;
    pageStartText_ = std::string(text);
    pageStartColor_ = color;
}

int BacklogStore::firstAgeAfterPageStart() const {
    if (pageStartSerial_ < 0) return used_;
    // An overwritten page start leaves everything still held after it.
    long long age = pageStartSerial_ - (added_ - used_) + 1;
    return static_cast<int>(std::clamp<long long>(age, 0, used_));
}

const BacklogEntry& BacklogStore::at(int age) const { return slots_[(oldest_ + age) % slots_.size()]; }

int BacklogStore::find(int line) {
    if (used_ == 0) return -1;
    // The entry that the line lies in when no entry begins on it: the nearest
    // text before `limit`, or the first entry when there is none.
    auto textBefore = [&](int limit) {
        for (int age = limit - 1; age >= 0; --age) {
            BacklogEntry& entry = slotOf(age);
            if (entry.kind == BacklogEntry::Kind::Text) {
                entry.pendingLineOffset = line - entry.firstLine;
                return age;
            }
        }
        return std::min(limit, used_ - 1);
    };
    for (int age = 0; age < used_; ++age) {
        const BacklogEntry& entry = at(age);
        if (entry.firstLine == line) return age;
        if (entry.firstLine > line) return textBefore(age);
    }
    // Past every entry's first line: inside the newest text's wrapped lines.
    return textBefore(used_);
}

std::string_view BacklogStore::readText(int age, TextFont& font) {
    if (age < 0 || age >= used_) return {};
    BacklogEntry& entry = slotOf(age);
    if (entry.kind != BacklogEntry::Kind::Text) return {};
    std::string_view text = entry.text;
    int skip = entry.pendingLineOffset;
    entry.pendingLineOffset = 0;
    int width = 0;
    for (size_t pos = 0; pos < text.size() && skip > 0;) {
        int length = 1;
        int cx = font.charWidth(text, pos, &length);
        if (width + cx > lineWidth_) {
            width = 0;
            if (--skip == 0) return text.substr(pos);
        }
        width += cx;
        pos += static_cast<size_t>(std::max(1, length));
    }
    return skip > 0 ? std::string_view() : text;
}

}  // namespace morv
