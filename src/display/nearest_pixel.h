// Where a nearest-pixel stretch reads each destination column and row.
#pragma once
#include <algorithm>
#include <cstdint>
#include <vector>

namespace morv {

// Source column of every destination column when sourceWidth columns from
// sourceLeft are stretched over destWidth: sourceLeft + x * sourceWidth /
// destWidth, stepped without a division per column.
inline std::vector<int> nearestColumns(int sourceLeft, int sourceWidth, int destWidth) {
    std::vector<int> columns(static_cast<size_t>(std::max(destWidth, 0)));
    if (columns.empty()) return columns;
    if (sourceWidth < 0) {
        for (int x = 0; x < destWidth; ++x) {
            columns[static_cast<size_t>(x)] =
                sourceLeft + static_cast<int>(static_cast<int64_t>(x) * sourceWidth / destWidth);
        }
        return columns;
    }
    const int whole = sourceWidth / destWidth, rest = sourceWidth % destWidth;
    int column = sourceLeft, remainder = 0;
    for (int& c : columns) {
        c = column;
        column += whole;
        remainder += rest;
        if (remainder >= destWidth) {
            ++column;
            remainder -= destWidth;
        }
    }
    return columns;
}

// Source row of every destination row, by the same rule as the columns.
inline std::vector<int> nearestRows(int sourceTop, int sourceHeight, int destHeight) {
    return nearestColumns(sourceTop, sourceHeight, destHeight);
}

}  // namespace morv
