// Where a nearest-pixel stretch reads each destination column and row.
#pragma once
#include <cstdint>
#include <vector>

namespace morv {

// Source column of every destination column when sourceWidth columns from
// sourceLeft are stretched over destWidth.
inline std::vector<int> nearestColumns(int sourceLeft, int sourceWidth, int destWidth) {
    std::vector<int> columns(static_cast<size_t>(destWidth));
    for (int x = 0; x < destWidth; ++x) {
        columns[static_cast<size_t>(x)] =
            sourceLeft + static_cast<int>(static_cast<int64_t>(x) * sourceWidth / destWidth);
    }
    return columns;
}

inline int nearestRow(int sourceTop, int sourceHeight, int destHeight, int y) {
    return sourceTop + static_cast<int>(static_cast<int64_t>(y) * sourceHeight / destHeight);
}

}  // namespace morv
