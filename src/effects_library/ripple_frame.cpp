// Drawing the ripple's disk: displaced samples of both pictures, blended.
#include "effects_library/ripple_frame.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

namespace morv::ripple {

namespace {

// The sample offsets of the two rows at distance b above and below the centre, by
// a = |dx|. The truncated quotients v * a / d2 and v * b / d2 only change sign with
// dx and dy, so each is computed once for the four pixels (+-a, +-b); the shift that
// follows rounds toward minus infinity, so it is taken per sign.
struct RowOffsets {
    std::array<int32_t, kMaxRadius + 1> rightX;  // dx = +a
    std::array<int32_t, kMaxRadius + 1> leftX;   // dx = -a
    std::array<int32_t, kMaxRadius + 1> belowY;  // dy = +b
    std::array<int32_t, kMaxRadius + 1> aboveY;  // dy = -b
    std::array<bool, kMaxRadius + 1> still;      // the four pixels sample their own places

    void compute(const DisplacementTables& tables, int64_t b, int64_t firstA, int64_t endA) {
        for (int64_t a = firstA; a < endA; ++a) {
            const int64_t d2 = a * a + b * b + 3;
            const int64_t v = tables.at(d2);
            const auto i = static_cast<size_t>(a);
            // Still pixels never read their offsets.
            still[i] = v == 0;
            if (v == 0) continue;
            const double inverse = 1.0 / static_cast<double>(d2);
            const int64_t qx = dividedTowardZero(v * a, d2, inverse);
            const int64_t qy = dividedTowardZero(v * b, d2, inverse);
            rightX[i] = static_cast<int32_t>(qx >> 2);
            leftX[i] = static_cast<int32_t>(-qx >> 2);
            belowY[i] = static_cast<int32_t>(qy >> 2);
            aboveY[i] = static_cast<int32_t>(-qy >> 2);
            still[i] = qx == 0 && qy == 0;
        }
    }
};

template <typename Pixel>
Pixel blend(Pixel oldPixel, Pixel newPixel, BlendWeights w) {
    if constexpr (sizeof(Pixel) == 2) {
        return blend16(oldPixel, newPixel, w);
    } else {
        return blend32(oldPixel, newPixel, w);
    }
}

// One row's pixels x in [firstX, endX), all on one side of the centre column;
// `offsetX`, `offsetY` and `still` are indexed by the distance |x - cx|, read
// leftward (step -1) or rightward (step +1).
template <typename Pixel>
void drawRun(const RippleCanvas& c, int64_t y, int64_t firstX, int64_t endX, int64_t cx, int step,
             const int32_t* offsetX, const int32_t* offsetY, const bool* still, BlendWeights w) {
    auto* out = reinterpret_cast<Pixel*>(c.frame + y * c.pitch);
    const auto* sceneRow = reinterpret_cast<const Pixel*>(c.scene + y * c.pitch);
    const auto* stageRow = reinterpret_cast<const Pixel*>(c.stage + y * c.pitch);
    const auto width = static_cast<uint64_t>(c.width);
    const auto height = static_cast<uint64_t>(c.height);
    auto distance = [&](int64_t x) { return static_cast<size_t>((x - cx) * step); };
    int64_t x = firstX;
    while (x < endX) {
        // Pixels that sample their own place, a plain cross-fade of the row.
        const int64_t stillFrom = x;
        while (x < endX && still[distance(x)]) ++x;
        for (int64_t i = stillFrom; i < x; ++i) out[i] = blend<Pixel>(sceneRow[i], stageRow[i], w);
        for (; x < endX && !still[distance(x)]; ++x) {
            const size_t a = distance(x);
            const int64_t sx = x + offsetX[a];
            const int64_t sy = y + offsetY[a];
            // A sample outside the picture leaves the frame pixel as it was.
            if (static_cast<uint64_t>(sx) >= width || static_cast<uint64_t>(sy) >= height) continue;
            const ptrdiff_t at = sy * c.pitch + sx * static_cast<ptrdiff_t>(sizeof(Pixel));
            Pixel oldPixel;
            Pixel newPixel;
            std::memcpy(&oldPixel, c.scene + at, sizeof(Pixel));
            std::memcpy(&newPixel, c.stage + at, sizeof(Pixel));
            out[x] = blend<Pixel>(oldPixel, newPixel, w);
        }
    }
}

// Row y = cy + dy between the columns cx + firstDx and cx + endDx.
template <typename Pixel>
void drawRow(const RippleCanvas& c, const RowOffsets& o, int64_t cx, int64_t y, const int32_t* offsetY,
             int64_t firstDx, int64_t endDx, BlendWeights w) {
    drawRun<Pixel>(c, y, cx + firstDx, cx + std::min<int64_t>(endDx, 0), cx, -1, o.leftX.data(), offsetY,
                   o.still.data(), w);
    drawRun<Pixel>(c, y, cx + std::max<int64_t>(firstDx, 0), cx + endDx, cx, 1, o.rightX.data(), offsetY,
                   o.still.data(), w);
}

template <typename Pixel>
void drawDisk(const RippleCanvas& c, const RippleSettings& s, const DisplacementTables& tables, BlendWeights w) {
    const int64_t radius = s.radius;
    const int64_t cx = s.centreX;
    const int64_t cy = s.centreY;
    const int64_t width = c.width;
    const int64_t height = c.height;
    RowOffsets offsets;
    // Rows dy from -radius + 1 to radius - 1 (the row at -radius has no pixels), in pairs
    // b = |dy|; each row spans dx from -halfWidth up to, not including, halfWidth.
    for (int64_t b = 0; b < radius; ++b) {
        const int64_t below = cy + b;
        const int64_t above = cy - b;
        const bool belowShown = below < height;
        const bool aboveShown = b > 0 && above >= 0 && above < height;
        if (!belowShown && !aboveShown) continue;
        const auto halfWidth = static_cast<int64_t>(std::sqrt(static_cast<double>(radius * radius - b * b)));
        const int64_t firstDx = std::max(-halfWidth, -cx);
        const int64_t endDx = std::min(halfWidth, width - cx);
        if (firstDx >= endDx) continue;
        // The distances |dx| the row covers.
        const int64_t firstA = firstDx >= 0 ? firstDx : (endDx <= 0 ? 1 - endDx : 0);
        const int64_t endA = std::max(-firstDx, endDx - 1) + 1;
        offsets.compute(tables, b, firstA, endA);
        if (belowShown) drawRow<Pixel>(c, offsets, cx, below, offsets.belowY.data(), firstDx, endDx, w);
        if (aboveShown) drawRow<Pixel>(c, offsets, cx, above, offsets.aboveY.data(), firstDx, endDx, w);
    }
}

}  // namespace

void drawRippleFrame(const RippleCanvas& canvas, const RippleSettings& settings, const DisplacementTables& tables,
                     BlendWeights weights) {
    if (canvas.sixteenBit) {
        drawDisk<uint16_t>(canvas, settings, tables, weights);
    } else {
        drawDisk<uint32_t>(canvas, settings, tables, weights);
    }
}

}  // namespace morv::ripple
