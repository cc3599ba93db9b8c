// Measuring the anti-aliasing mask of a color-keyed picture along its edges.
#include "image/antialias_mask.h"

#include <algorithm>
#include <cstring>

namespace morv {
namespace {

enum EndKind { Unknown = -1, Open = 0, Stepped = 1 };

struct RunEnd {
    int at = 0;
    EndKind kind = Unknown;
};

// A straight stretch of edge pixels through the measured pixel along a row or a
// column: `start` and `end` are the first positions before and after it where the
// edge stops, or the image edges (kind unknown) when it does not stop.
struct EdgeRun {
    RunEnd start;
    RunEnd end;
    int position = 0;
    int size = 0;  // pixels along the line
    bool measured = false;

    static EdgeRun unmeasured(int position, int size) {
        return EdgeRun{RunEnd{-1, Unknown}, RunEnd{size, Unknown}, position, size, false};
    }
    int length() const {
        if (!measured) return 0;
        // A run that goes off the right or bottom edge counts as negative.
        return end.at == size ? start.at - end.at : end.at - start.at;
    }
};

// Which pixels are the key color, one flag per pixel, top row first.
class KeyMap {
public:
    KeyMap(std::vector<uint8_t> keys, int width, int height) : keys_(std::move(keys)), width_(width), height_(height) {}
    bool key(int x, int y) const { return keys_[static_cast<size_t>(y) * width_ + x]; }
    // A key neighbour counts only in columns and rows 1 .. size - 1.
    bool countedKey(int x, int y) const { return x >= 1 && x < width_ && y >= 1 && y < height_ && key(x, y); }
    int width() const { return width_; }
    int height() const { return height_; }

private:
    std::vector<uint8_t> keys_;
    int width_;
    int height_;
};

// Walks from `from` by `step` while the line's pixel is not key and its neighbour
// is; stops at `limit` (the image edge or an end found before), keeping its kind.
template <typename SelfKey, typename NeighbourKey>
RunEnd walk(int from, int step, RunEnd limit, SelfKey selfKey, NeighbourKey neighbourKey) {
    int p = from;
    while (p != limit.at && !selfKey(p) && neighbourKey(p)) p += step;
    if (p == limit.at) return limit;
    return RunEnd{p, selfKey(p) ? Open : Stepped};
}

// Narrows the run to where the key neighbours on one side stop.
template <typename SelfKey, typename NeighbourKey>
void narrowRun(EdgeRun& run, SelfKey selfKey, NeighbourKey neighbourKey) {
    run.start = walk(run.position - 1, -1, run.start, selfKey, neighbourKey);
    run.end = walk(run.position + 1, 1, run.end, selfKey, neighbourKey);
    run.measured = true;
}

int maskValue(const EdgeRun& run, int otherwise) {
    const int d1 = run.position - run.start.at;
    const int d2 = run.end.at - run.position;
    const int length = run.end.at - run.start.at;
    int value = otherwise;
    if (run.start.kind == Stepped && run.end.kind == Stepped) {
        value = 255 - std::min(d1, d2) * 510 / length;
    } else if (run.start.kind == Stepped && run.end.kind == Open) {
        value = d2 * 255 / length;
    } else if (run.start.kind == Open && run.end.kind == Stepped) {
        value = d1 * 255 / length;
    } else if (run.start.kind == Open && run.end.kind == Open) {
        value = std::min(d1, d2) * 510 / length;
    }
    return std::clamp(value, 0, 255);
}

std::vector<uint8_t> maskFromKeys(const KeyMap& keys) {
    const int width = keys.width();
    const int height = keys.height();
    std::vector<uint8_t> mask(static_cast<size_t>(width) * height, 0);
    // The run of the last edge pixel that found one; none at first.
    EdgeRun previous = EdgeRun::unmeasured(0, 0);
    // Column by column, so the previous edge pixel is the one above or in an earlier column.
    for (int x = 0; x < width; ++x) {
        for (int y = 0; y < height; ++y) {
            if (keys.key(x, y)) continue;
            const bool left = keys.countedKey(x - 1, y);
            const bool right = keys.countedKey(x + 1, y);
            const bool up = keys.countedKey(x, y - 1);
            const bool down = keys.countedKey(x, y + 1);
            uint8_t& out = mask[static_cast<size_t>(y) * width + x];
            if (!left && !right && !up && !down) {
                out = 255;
                continue;
            }

            EdgeRun vertical = EdgeRun::unmeasured(y, height);
            auto columnKey = [&](int row) { return keys.key(x, row); };
            if (left) narrowRun(vertical, columnKey, [&](int row) { return keys.key(x - 1, row); });
            if (right) narrowRun(vertical, columnKey, [&](int row) { return keys.key(x + 1, row); });
            EdgeRun horizontal = EdgeRun::unmeasured(x, width);
            auto rowKey = [&](int column) { return keys.key(column, y); };
            if (down) narrowRun(horizontal, rowKey, [&](int column) { return keys.key(column, y + 1); });
            if (up) narrowRun(horizontal, rowKey, [&](int column) { return keys.key(column, y - 1); });

            if (vertical.start.kind == Unknown && horizontal.start.kind == Unknown) {
                out = static_cast<uint8_t>(maskValue(previous, 0));
                continue;
            }
            const bool useVertical = horizontal.start.kind == Unknown || horizontal.length() < vertical.length();
            previous = useVertical ? vertical : horizontal;
            out = static_cast<uint8_t>(maskValue(previous, 255));
        }
    }
    return mask;
}

template <typename Pixel>
KeyMap findKeys(const uint8_t* rows, size_t pitch, int width, int height) {
    constexpr Pixel kCompared = sizeof(Pixel) == 2 ? Pixel(0xFFFF) : Pixel(0xFFFFFF);
    Pixel key;
    std::memcpy(&key, rows, sizeof key);
    key &= kCompared;
    std::vector<uint8_t> keys(static_cast<size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        const uint8_t* row = rows + pitch * y;
        for (int x = 0; x < width; ++x) {
            Pixel pixel;
            std::memcpy(&pixel, row + sizeof(Pixel) * x, sizeof pixel);
            keys[static_cast<size_t>(y) * width + x] = (pixel & kCompared) == key;
        }
    }
    return KeyMap(std::move(keys), width, height);
}

}  // namespace

template <typename Pixel>
std::vector<uint8_t> antialiasMask(const uint8_t* rows, size_t pitch, int width, int height) {
    if (width <= 0 || height <= 0) return {};
    return maskFromKeys(findKeys<Pixel>(rows, pitch, width, height));
}

template std::vector<uint8_t> antialiasMask<uint16_t>(const uint8_t*, size_t, int, int);
template std::vector<uint8_t> antialiasMask<uint32_t>(const uint8_t*, size_t, int, int);

}  // namespace morv
