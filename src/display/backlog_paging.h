// The lines the text review can reach and show.
#pragma once

namespace morv {

// The display lines the review can reach: from the lowest line still held to the
// current (newest) line.
struct BacklogLines {
    int lowest = 1;
    int current = 1;
    int count() const { return current - lowest + 1; }
};

// The review's top line and its moves by line and by page.
class BacklogPaging {
public:
    explicit BacklogPaging(int linesPerPage) : perPage_(linesPerPage < 1 ? 1 : linesPerPage) {}

    // Lines of one review page: the first line's bottom is at margin + 40 + font
    // size, each further line adds font size + line spacing while its bottom stays
    // at or above screen height - margin.
    static int linesPerPage(int screenHeight, int windowMargin, int fontSize, int lineSpacing);

    int topLine() const { return top_; }
    int linesPerPage() const { return perPage_; }
    // The top line of the newest page.
    int lastTop(const BacklogLines& lines) const;

    void toLastPage(const BacklogLines& lines);
    void lineUp(const BacklogLines& lines);
    void pageUp(const BacklogLines& lines);
    // The forward moves return false when the newest page is already shown.
    bool lineDown(const BacklogLines& lines);
    bool pageDown(const BacklogLines& lines);
    // Kept within the reachable lines.
    void jump(const BacklogLines& lines, int line);

private:
    int perPage_;
    int top_ = 1;
};

}  // namespace morv
