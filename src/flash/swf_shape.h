// Shapes: their fill and line styles and the outlines built from their edges.
#pragma once
#include <cstdint>
#include <utility>
#include <vector>

#include "flash/swf_reader.h"
#include "flash/swf_types.h"

namespace morv::swf {

// One step of an outline, in twips; a curve is quadratic with its control point.
struct PathStep {
    enum Kind : uint8_t { Move, Line, Curve };
    Kind kind;
    int32_t controlX, controlY;
    int32_t x, y;
};
using Path = std::vector<PathStep>;

struct GradientStop {
    uint8_t ratio;  // 0 at the start of the gradient, 255 at its end
    Rgba color;
};

struct FillStyle {
    enum Kind : uint8_t { Solid, Linear, Radial, Bitmap };
    enum Spread : uint8_t { Pad, Reflect, Repeat };
    Kind kind = Solid;
    Rgba color;
    // Maps the gradient square (-16384..16384 twips) or the bitmap's pixels to the shape.
    Matrix matrix;
    std::vector<GradientStop> stops;
    Spread spread = Pad;
    double focalPoint = 0;  // -1..1 along the radius, for focal radial gradients
    uint16_t bitmapId = 0;
    bool repeat = true;
    bool smooth = true;
};

struct LineStyle {
    uint16_t width = 0;  // twips
    Rgba color;
};

// The styles in force between two style tables, with one closed outline per fill
// style and one stroke path per line style (index 0 of each is unused: style 0 is none).
struct ShapeLayer {
    std::vector<FillStyle> fills;
    std::vector<LineStyle> lines;
    std::vector<Path> fillPaths;
    std::vector<Path> linePaths;
};

struct Shape {
    TwipsRect bounds;
    std::vector<ShapeLayer> layers;
};

// Reads a DefineShape body (version 1 to 4) after the character id. `edgeBudget`
// is the number of edges still allowed; reading more throws FormatError.
Shape readShape(Reader& reader, int version, long long& edgeBudget);

}  // namespace morv::swf
