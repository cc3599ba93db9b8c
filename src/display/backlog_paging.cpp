// Which lines of the review are in reach and on the page.
#include "display/backlog_paging.h"

#include <algorithm>

namespace morv {

int BacklogPaging::linesPerPage(int screenHeight, int windowMargin, int fontSize, int lineSpacing) {
    int bottom = windowMargin + 40 + fontSize;
    int step = std::max(1, fontSize + lineSpacing);
    int count = 1;
    while (bottom + step <= screenHeight - windowMargin) {
        bottom += step;
        ++count;
    }
    return count;
}

int BacklogPaging::lastTop(const BacklogLines& lines) const {
    return std::max(lines.lowest, lines.current - perPage_ + 1);
}

void BacklogPaging::toLastPage(const BacklogLines& lines) { top_ = lastTop(lines); }

void BacklogPaging::lineUp(const BacklogLines& lines) { top_ = std::max(lines.lowest, top_ - 1); }

void BacklogPaging::pageUp(const BacklogLines& lines) { top_ = std::max(lines.lowest, top_ - perPage_); }

bool BacklogPaging::lineDown(const BacklogLines& lines) {
    if (top_ + 1 > lines.current - perPage_ + 1) return false;
    ++top_;
    return true;
}

bool BacklogPaging::pageDown(const BacklogLines& lines) {
    int last = lines.current - perPage_ + 1;
    if (top_ >= last) return false;
    top_ = std::min(top_ + perPage_, last);
    return true;
}

void BacklogPaging::jump(const BacklogLines& lines, int line) { top_ = std::clamp(line, lines.lowest, lastTop(lines)); }

}  // namespace morv
