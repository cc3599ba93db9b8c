// Shapes: their fill and line styles and the outlines built from their edges.
#include "flash/swf_shape.h"

#include <algorithm>
#include <climits>
#include <unordered_map>

#include "flash/swf_limits.h"

namespace morv::swf {

namespace {

struct Edge {
    int32_t x0, y0, controlX, controlY, x1, y1;
    bool curved;
    uint32_t fill0, fill1, line;
};

Rgba readColor(Reader& reader, int version) { return version >= 3 ? reader.rgba() : reader.rgb(); }

FillStyle readFillStyle(Reader& reader, int version) {
    FillStyle style;
    const uint8_t type = reader.u8();
    switch (type) {
        case 0x00:
            style.color = readColor(reader, version);
            break;
        case 0x10:
        case 0x12:
        case 0x13: {
            style.kind = type == 0x10 ? FillStyle::Linear : FillStyle::Radial;
            style.matrix = reader.matrix();
            const uint32_t spread = reader.ub(2);
            reader.ub(2);  // interpolation mode: colors always mix in RGB
            const int count = static_cast<int>(reader.ub(4));
            style.spread = spread == 1 ? FillStyle::Reflect : spread == 2 ? FillStyle::Repeat : FillStyle::Pad;
            for (int i = 0; i < count; ++i) {
                GradientStop stop;
                stop.ratio = reader.u8();
                stop.color = readColor(reader, version);
                style.stops.push_back(stop);
            }
            if (type == 0x13) style.focalPoint = std::clamp(reader.s16() / 256.0, -1.0, 1.0);
            break;
        }
        case 0x40:
        case 0x41:
        case 0x42:
        case 0x43:
            style.kind = FillStyle::Bitmap;
            style.bitmapId = reader.u16();
            style.matrix = reader.matrix();
            style.repeat = type == 0x40 || type == 0x42;
            style.smooth = type == 0x40 || type == 0x41;
            break;
        default:
            throw FormatError("unknown fill style");
    }
    return style;
}

int readStyleCount(Reader& reader, int version) {
    int count = reader.u8();
    if (count == 0xff && version >= 2) count = reader.u16();
    if (count > kMaxStyles) throw FormatError("too many styles");
    return count;
}

LineStyle readLineStyle(Reader& reader, int version) {
    LineStyle style;
    style.width = reader.u16();
    if (version < 4) {
        style.color = readColor(reader, version);
        return style;
    }
    reader.ub(2);  // start cap
    const uint32_t join = reader.ub(2);
    const bool hasFill = reader.ub(1);
    reader.ub(11);  // scaling, hinting, reserved bits, no-close flag, end cap
    if (join == 2) reader.u16();  // miter limit
    if (hasFill) {
        // A line filled with a gradient or bitmap is drawn in its first color.
        const FillStyle fill = readFillStyle(reader, version);
        style.color = fill.kind == FillStyle::Solid || fill.stops.empty() ? fill.color : fill.stops.front().color;
    } else {
        style.color = reader.rgba();
    }
    return style;
}

void readStyles(Reader& reader, int version, ShapeLayer& layer) {
    layer.fills.assign(1, FillStyle{});
    layer.lines.assign(1, LineStyle{});
    const int fills = readStyleCount(reader, version);
    for (int i = 0; i < fills; ++i) layer.fills.push_back(readFillStyle(reader, version));
    const int lines = readStyleCount(reader, version);
    for (int i = 0; i < lines; ++i) layer.lines.push_back(readLineStyle(reader, version));
}

void appendEdge(Path& path, const Edge& e, bool reversed) {
    if (reversed)
        path.push_back({e.curved ? PathStep::Curve : PathStep::Line, e.controlX, e.controlY, e.x0, e.y0});
    else
        path.push_back({e.curved ? PathStep::Curve : PathStep::Line, e.controlX, e.controlY, e.x1, e.y1});
}

// Positions are kept well inside 32 bits however many edges move them one way.
int32_t clampedSum(int64_t a, int64_t b) { return static_cast<int32_t>(std::clamp<int64_t>(a + b, -(1 << 28), 1 << 28)); }

uint64_t pointKey(int32_t x, int32_t y) {
    return uint64_t{static_cast<uint32_t>(x)} << 32 | static_cast<uint32_t>(y);
}

struct Directed {
    const Edge* edge;
    bool reversed;
    int32_t startX, startY, endX, endY;
};

// Joins the edges that bound one fill style into outlines. Each edge has the style
// on its left (fill 0, walked backwards) or its right (fill 1), so walking every edge
// with the style on the same side links them end to start.
Path fillOutline(const std::vector<Directed>& directed) {
    std::unordered_map<uint64_t, std::vector<size_t>> byStart;
    for (size_t i = directed.size(); i-- > 0;) byStart[pointKey(directed[i].startX, directed[i].startY)].push_back(i);
    std::vector<bool> used(directed.size(), false);

    Path path;
    for (size_t first = 0; first < directed.size(); ++first) {
        if (used[first]) continue;
        size_t current = first;
        const Directed& start = directed[first];
        path.push_back({PathStep::Move, 0, 0, start.startX, start.startY});
        for (;;) {
            used[current] = true;
            appendEdge(path, *directed[current].edge, directed[current].reversed);
            const Directed& d = directed[current];
            if (d.endX == start.startX && d.endY == start.startY) break;
            auto found = byStart.find(pointKey(d.endX, d.endY));
            if (found == byStart.end()) break;
            auto& candidates = found->second;
            while (!candidates.empty() && used[candidates.back()]) candidates.pop_back();
            if (candidates.empty()) break;
            current = candidates.back();
            candidates.pop_back();
        }
    }
    return path;
}

// One stroke path per line style, the edges in the order they were drawn.
std::vector<Path> linePaths(const std::vector<Edge>& edges, size_t styles) {
    std::vector<Path> paths(styles);
    std::vector<std::pair<int32_t, int32_t>> penAt(styles, {INT32_MIN, INT32_MIN});
    for (const Edge& e : edges) {
        if (e.line == 0 || e.line >= styles) continue;
        Path& path = paths[e.line];
        if (penAt[e.line] != std::pair{e.x0, e.y0}) path.push_back({PathStep::Move, 0, 0, e.x0, e.y0});
        appendEdge(path, e, false);
        penAt[e.line] = {e.x1, e.y1};
    }
    return paths;
}

void finishLayer(ShapeLayer& layer, const std::vector<Edge>& edges) {
    std::vector<std::vector<Directed>> byStyle(layer.fills.size());
    for (const Edge& e : edges) {
        if (e.fill1 != 0) byStyle[e.fill1].push_back({&e, false, e.x0, e.y0, e.x1, e.y1});
        if (e.fill0 != 0) byStyle[e.fill0].push_back({&e, true, e.x1, e.y1, e.x0, e.y0});
    }
    layer.fillPaths.assign(layer.fills.size(), Path{});
    for (size_t style = 1; style < byStyle.size(); ++style) layer.fillPaths[style] = fillOutline(byStyle[style]);
    layer.linePaths = linePaths(edges, layer.lines.size());
}

}  // namespace

Shape readShape(Reader& reader, int version, long long& edgeBudget) {
    Shape shape;
    shape.bounds = reader.rect();
    if (version >= 4) {
        reader.rect();  // edge bounds
        reader.u8();    // stroke hinting and winding flags
    }
    ShapeLayer layer;
    readStyles(reader, version, layer);
    int fillBits = static_cast<int>(reader.ub(4));
    int lineBits = static_cast<int>(reader.ub(4));

    std::vector<Edge> edges;
    int32_t x = 0, y = 0;
    uint32_t fill0 = 0, fill1 = 0, line = 0;
    for (;;) {
        if (reader.ub(1) == 0) {
            const uint32_t flags = reader.ub(5);
            if (flags == 0) break;
            if (flags & 0x01) {
                const int bits = static_cast<int>(reader.ub(5));
                x = reader.sb(bits);
                y = reader.sb(bits);
            }
            if (flags & 0x02) fill0 = reader.ub(fillBits);
            if (flags & 0x04) fill1 = reader.ub(fillBits);
            if (flags & 0x08) line = reader.ub(lineBits);
            if (flags & 0x10) {
                finishLayer(layer, edges);
                shape.layers.push_back(std::move(layer));
                edges.clear();
                layer = ShapeLayer{};
                readStyles(reader, version, layer);
                fillBits = static_cast<int>(reader.ub(4));
                lineBits = static_cast<int>(reader.ub(4));
                fill0 = fill1 = line = 0;
            }
            continue;
        }
        if (--edgeBudget < 0) throw FormatError("too many edges");
        const bool straight = reader.ub(1);
        const int bits = static_cast<int>(reader.ub(4)) + 2;
        Edge e{x, y, 0, 0, x, y, false, fill0, fill1, line};
        if (straight) {
            if (reader.ub(1)) {
                e.x1 = clampedSum(x, reader.sb(bits));
                e.y1 = clampedSum(y, reader.sb(bits));
            } else if (reader.ub(1)) {
                e.y1 = clampedSum(y, reader.sb(bits));
            } else {
                e.x1 = clampedSum(x, reader.sb(bits));
            }
        } else {
            e.curved = true;
            e.controlX = clampedSum(x, reader.sb(bits));
            e.controlY = clampedSum(y, reader.sb(bits));
            e.x1 = clampedSum(e.controlX, reader.sb(bits));
            e.y1 = clampedSum(e.controlY, reader.sb(bits));
        }
        x = e.x1;
        y = e.y1;
        // Styles out of the table's range draw nothing rather than reading past it.
        if (e.fill0 >= layer.fills.size()) e.fill0 = 0;
        if (e.fill1 >= layer.fills.size()) e.fill1 = 0;
        edges.push_back(e);
    }
    finishLayer(layer, edges);
    shape.layers.push_back(std::move(layer));
    return shape;
}

}  // namespace morv::swf
